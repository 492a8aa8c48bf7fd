#include "tools/FillTool.h"

void commitFill(EditorState&, Surface&, Surface&)
{
}

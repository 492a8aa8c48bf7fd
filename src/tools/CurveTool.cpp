#include "tools/CurveTool.h"

void previewCurve(EditorState&, Surface&)
{
}
void commitCurve(const EditorState&, Surface&, Surface&)
{
}

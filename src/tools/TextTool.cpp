#include "tools/TextTool.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"

void writeText(const EditorState& s, Surface& canvas, Surface& page, const QString& text)
{
    canvas.setCurrentX(s.pointerX);
    canvas.setCurrentY(s.pointerY);
    page.setCurrentX(s.pointerX);
    page.setCurrentY(s.pointerY);
    canvas.print(text);
    page.print(text);
}

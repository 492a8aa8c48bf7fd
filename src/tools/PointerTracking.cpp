// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/PointerTracking.h"

#include <vector>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "tools/CurveTool.h"
#include "tools/PaintStrokes.h"
#include "tools/StraightFigures.h"

namespace {

void drawCrosshair(const EditorState& s, Surface& canvas)
{
    const std::int32_t arm = add32(s.gridStep, 100);
    canvas.lines(
        {{QPointF(add32(s.pointerX, arm), s.pointerY), QPointF(sub32(s.pointerX, arm), s.pointerY)},
         {QPointF(s.pointerX, add32(s.pointerY, arm)), QPointF(s.pointerX, sub32(s.pointerY, arm))}});
}

} // namespace

void trackPointer(EditorState& s, Surface& canvas, Surface& page, int buttons, double x, double y,
                  const QString& text, const QString& sidesText)
{
    canvas.refresh();
    canvas.setDrawWidth(2);
    s.pointerX = snapToGrid(x, s.gridStep);
    s.pointerY = snapToGrid(y, s.gridStep);
    drawCrosshair(s, canvas);

    if (buttons != 0) {
        canvas.setDrawWidth(s.lineWidth);
        switch (s.toolMode) {
        case Tool::Line:
            previewLine(s, canvas);
            break;
        case Tool::Dots:
            paintDots(s, canvas, page);
            break;
        case Tool::Freehand:
            paintFreehand(s, canvas, page);
            break;
        case Tool::Curve:
            previewCurve(s, canvas);
            break;
        case Tool::Rectangle:
            previewRectangle(s, canvas);
            break;
        case Tool::Polygon:
            previewPolygon(s, canvas, sidesText);
            break;
        case Tool::Eraser:
            paintEraser(s, canvas, page);
            break;
        default:
            break;
        }
    }

    if (s.toolMode == Tool::Text) {
        canvas.setCurrentX(s.pointerX);
        canvas.setCurrentY(s.pointerY);
        canvas.print(text);
    }

    s.previousX = s.pointerX;
    s.previousY = s.pointerY;
}

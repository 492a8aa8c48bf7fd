// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/PaintStrokes.h"

#include <vector>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "geometry/MirrorFigures.h"

// Dots and freehand strokes are painted into the drawing during the drag:
// each piece goes to the canvas and then to the current page, pair by pair.
// Each painter works out its figures before it switches AutoRedraw on, so
// that an overflow in the mirror arithmetic cannot leave the canvas drawing
// into the picture.
void paintDots(EditorState& s, Surface& canvas, Surface& page)
{
    const std::vector<QPoint> centres = mirroredPoints(s, {s.pointerX, s.pointerY});
    canvas.setAutoRedraw(true);
    page.setAutoRedraw(true);
    for (const QPoint& c : centres) {
        canvas.circle(c, s.dotRadius, s.colour());
        page.circle(c, s.dotRadius, s.colour());
    }
    canvas.setAutoRedraw(false);
    page.setAutoRedraw(false);
}

void paintFreehand(EditorState& s, Surface& canvas, Surface& page)
{
    const std::int32_t mirrorX = mirrored(s.mirrorAxisX, s.previousX);
    const std::int32_t mirrorY = mirrored(s.mirrorAxisY, s.previousY);
    const auto pieces = mirroredToPointer(s, {s.previousX, s.previousY}, {mirrorX, mirrorY});
    canvas.setAutoRedraw(true);
    page.setAutoRedraw(true);
    s.mirrorAnchorX = mirrorX;
    s.mirrorAnchorY = mirrorY;
    for (const TwoPointFigure& f : pieces) {
        canvas.line(f.from, f.to, s.colour());
        page.line(f.from, f.to, s.colour());
    }
    canvas.setAutoRedraw(false);
    page.setAutoRedraw(false);
}

// The eraser whitens its square on the canvas and on the page, then outlines
// it on the screen layer only. It leaves the page's AutoRedraw as it finds it:
// the square reaches the page only while that is on, which every release
// ensures.
void paintEraser(const EditorState& s, Surface& canvas, Surface& page)
{
    const std::int32_t e = s.eraserHalfSize;
    const QPointF topLeft(sub32(s.pointerX, e), sub32(s.pointerY, e));
    const QPointF bottomRight(add32(s.pointerX, e), add32(s.pointerY, e));
    canvas.setAutoRedraw(true);
    canvas.filledBox(topLeft, bottomRight, kWhite);
    page.filledBox(topLeft, bottomRight, kWhite);
    canvas.setAutoRedraw(false);
    canvas.setDrawWidth(1);
    canvas.box(topLeft, bottomRight, kBlack);
    canvas.setDrawWidth(s.lineWidth);
}

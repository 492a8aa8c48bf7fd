// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/CurveTool.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "geometry/CurveGeometry.h"

namespace {

void drawFigure(Surface& surface, const CurveFigure& f, Colour colour)
{
    surface.circle(f.centre, f.radius, colour, f.start, f.end, f.aspect);
}

} // namespace

// The full circle works out its radius here and keeps it, so that the release
// draws the circle last seen even if the pointer moved on before it.
void previewCurve(EditorState& s, Surface& canvas)
{
    if (s.curveSubMode == CurveSubMode::FullCircle)
        s.circleRadius = fullCircleRadius(s);
    for (const CurveFigure& f : curveFigures(s, s.circleRadius))
        drawFigure(canvas, f, s.colour());
}

// Each figure goes to the canvas and then to the page before the next one, so
// the page always holds what the canvas shows of it.
void commitCurve(const EditorState& s, Surface& canvas, Surface& page)
{
    for (const CurveFigure& f : curveFigures(s, s.circleRadius)) {
        drawFigure(canvas, f, s.colour());
        drawFigure(page, f, s.colour());
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/StraightFigures.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "geometry/MirrorFigures.h"
#include "geometry/PolygonGeometry.h"

void previewLine(const EditorState& s, Surface& canvas)
{
    for (const TwoPointFigure& f : anchoredFigures(s))
        canvas.line(f.from, f.to, s.colour());
}

void previewRectangle(const EditorState& s, Surface& canvas)
{
    for (const TwoPointFigure& f : anchoredFigures(s))
        canvas.box(f.from, f.to, s.colour());
}

void previewPolygon(EditorState& s, Surface& canvas, QStringView sidesText)
{
    constructPolygon(s, sidesText);
    if (s.polygonMethod == PolygonMethod::OnSide)
        canvas.line(QPointF(s.anchorX, s.anchorY), QPointF(s.pointerX, s.pointerY));
    for (const auto& [from, to] : polygonSegments(s))
        canvas.line(from, to, s.colour());
}

void commitSegments(const EditorState& s, Surface& canvas, Surface& page)
{
    for (const TwoPointFigure& f : anchoredFigures(s)) {
        canvas.line(f.from, f.to, s.colour());
        page.line(f.from, f.to, s.colour());
    }
}

void commitRectangles(const EditorState& s, Surface& canvas, Surface& page)
{
    for (const TwoPointFigure& f : anchoredFigures(s)) {
        canvas.box(f.from, f.to, s.colour());
        page.box(f.from, f.to, s.colour());
    }
}

void commitPolygon(const EditorState& s, Surface& canvas, Surface& page)
{
    for (const auto& [from, to] : polygonSegments(s)) {
        canvas.line(from, to, s.colour());
        page.line(from, to, s.colour());
    }
}

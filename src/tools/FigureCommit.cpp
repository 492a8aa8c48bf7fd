#include "tools/FigureCommit.h"

#include "core/EditorState.h"
#include "canvas/Surface.h"
#include "geometry/MirrorFigures.h"
#include "geometry/PolygonGeometry.h"

void pressAnchor(EditorState& s, double x, double y)
{
    s.anchorX = snapToGrid(x, s.gridStep);
    s.anchorY = snapToGrid(y, s.gridStep);
    s.mirrorAnchorX = mirrored(s.mirrorAxisX, s.anchorX);
    s.mirrorAnchorY = mirrored(s.mirrorAxisY, s.anchorY);
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

// The polygon is drawn from the vertices its last rubber band constructed; it
// has no mirror copies.
void commitPolygon(const EditorState& s, Surface& canvas, Surface& page)
{
    for (const auto& [from, to] : polygonSegments(s)) {
        canvas.line(from, to, s.colour());
        page.line(from, to, s.colour());
    }
}

void commitFigure(EditorState& s, Surface& canvas, Surface& page)
{
    switch (s.toolMode) {
    case Tool::Line:
        commitSegments(s, canvas, page);
        break;
    case Tool::Rectangle:
        commitRectangles(s, canvas, page);
        break;
    case Tool::Polygon:
        commitPolygon(s, canvas, page);
        break;
    default:
        break; // dots, freehand and the eraser painted during the drag
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/FigureCommit.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "tools/CurveTool.h"
#include "tools/FillTool.h"
#include "tools/StraightFigures.h"

void pressAnchor(EditorState& s, double x, double y)
{
    s.anchorX = snapToGrid(x, s.gridStep);
    s.anchorY = snapToGrid(y, s.gridStep);
    s.mirrorAnchorX = mirrored(s.mirrorAxisX, s.anchorX);
    s.mirrorAnchorY = mirrored(s.mirrorAxisY, s.anchorY);
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
    case Tool::Curve:
        commitCurve(s, canvas, page);
        break;
    case Tool::Fill:
        commitFill(s, canvas, page);
        break;
    case Tool::Polygon:
        commitPolygon(s, canvas, page);
        break;
    default:
        break; // dots, freehand and the eraser painted during the drag; text is placed by the window
    }
}

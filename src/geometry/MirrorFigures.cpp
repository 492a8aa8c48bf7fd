// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/MirrorFigures.h"

#include "core/EditorState.h"

std::vector<TwoPointFigure> mirroredToPointer(const EditorState& s, QPoint from, QPoint mirroredFrom)
{
    const QPoint p(s.pointerX, s.pointerY);
    std::vector<TwoPointFigure> figures{{from, p}};
    if (s.mirrorVertical)
        figures.push_back({{mirroredFrom.x(), from.y()}, {mirrored(s.mirrorAxisX, p.x()), p.y()}});
    if (s.mirrorHorizontal)
        figures.push_back({{from.x(), mirroredFrom.y()}, {p.x(), mirrored(s.mirrorAxisY, p.y())}});
    if (s.mirrorCentral)
        figures.push_back({mirroredFrom, {mirrored(s.mirrorAxisX, p.x()), mirrored(s.mirrorAxisY, p.y())}});
    return figures;
}

std::vector<TwoPointFigure> anchoredFigures(const EditorState& s)
{
    return mirroredToPointer(s, {s.anchorX, s.anchorY}, {s.mirrorAnchorX, s.mirrorAnchorY});
}

std::vector<QPoint> mirroredPoints(const EditorState& s, QPoint p)
{
    std::vector<QPoint> points{p};
    if (s.mirrorVertical)
        points.push_back({mirrored(s.mirrorAxisX, p.x()), p.y()});
    if (s.mirrorHorizontal)
        points.push_back({p.x(), mirrored(s.mirrorAxisY, p.y())});
    if (s.mirrorCentral)
        points.push_back({mirrored(s.mirrorAxisX, p.x()), mirrored(s.mirrorAxisY, p.y())});
    return points;
}

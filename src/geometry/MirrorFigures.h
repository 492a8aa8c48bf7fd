// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QPoint>

struct EditorState;

// A figure defined by two points: a segment, or the opposite corners of a box.
struct TwoPointFigure
{
    QPoint from;
    QPoint to;
    friend bool operator==(const TwoPointFigure&, const TwoPointFigure&) = default;
};

// The figure from `from` to the pointer, followed by one mirror copy for each
// mirror flag that is on, in the order vertical, horizontal, central. The
// copies start at the stored mirror images of `from` (mirroredFrom) and end at
// the pointer's images, computed in checked whole-number arithmetic.
std::vector<TwoPointFigure> mirroredToPointer(const EditorState& state, QPoint from, QPoint mirroredFrom);

// The line and rectangle tools: anchor to pointer, with the anchor's images
// stored at the press.
std::vector<TwoPointFigure> anchoredFigures(const EditorState& state);

// A point followed by its mirror images, in the same order and by the same flags.
std::vector<QPoint> mirroredPoints(const EditorState& state, QPoint p);

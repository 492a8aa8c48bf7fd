// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include <QPointF>
#include <QStringView>

struct EditorState;

// The regular polygon tool. Angles run in degrees from straight down (0)
// through the right (90), above (180) and the left (270), because y grows
// downwards on the canvas; they become radians through the program's own
// piValue.

// The values polygonMethod takes.
namespace PolygonMethod {
constexpr std::int16_t AroundCentre = 0;
constexpr std::int16_t InBox = 1;
constexpr std::int16_t OnSide = 2;
} // namespace PolygonMethod

// The number of sides the sides box asks for: its leading number when it lies
// from 3 to 20 (a fraction is kept), otherwise 3.
double polygonSidesFromText(QStringView text);

// Sets polygonSides and the vertex tables from the anchor, the pointer and
// polygonMethod: AroundCentre is centred on the anchor with its first vertex at
// the pointer, InBox is that polygon stretched to the box the anchor and the
// pointer span, OnSide has the segment anchor-pointer as a side.
void constructPolygon(EditorState& state, QStringView sidesText);

// The segments the polygon is drawn with, in drawing order, as the drawing
// calls receive them. The rubber band and the figure drawn at release both use
// them, so they always agree.
std::vector<std::pair<QPointF, QPointF>> polygonSegments(const EditorState& state);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QPointF>

struct EditorState;

// The constructions of the circle tool, the values curveSubMode takes.
namespace CurveSubMode {
constexpr std::int16_t FullCircle = 0;
constexpr std::int16_t EllipseInBox = 1;
constexpr std::int16_t UpperQuarter = 2;
constexpr std::int16_t LowerQuarter = 3;
constexpr std::int16_t Half = 4;
constexpr std::int16_t SideHalf = 5;
} // namespace CurveSubMode

// One call of the surface's circle operation: the centre in twips, the radius,
// and for an arc its start and end angles (radians, counter-clockwise from +x
// as seen on screen), for an ellipse its aspect (vertical over horizontal
// semi-axis). Every number has been through single precision, the precision
// the drawing call takes, so that the preview and the commit hand over exactly
// the same values.
struct CurveFigure
{
    QPointF centre;
    double radius = 0;
    std::optional<double> start;
    std::optional<double> end;
    std::optional<double> aspect;
    friend bool operator==(const CurveFigure&, const CurveFigure&) = default;
};

// The figure of the current curveSubMode built from the anchor and the pointer,
// followed by one mirror copy for each mirror flag that is on, in the order
// vertical, horizontal, central. The full circle takes `radius0` as its radius:
// the rubber band passes the radius it has just worked out, the release the one
// the last rubber band stored in circleRadius. A sub-mode outside 0..5 gives no
// figures. The anchor-to-pointer differences are checked 32-bit arithmetic and
// raise OverflowError when they do not fit.
std::vector<CurveFigure> curveFigures(const EditorState& state, std::int32_t radius0);

// The radius of the full circle: the whole part of the anchor-to-pointer
// distance. Raises OverflowError when it does not fit a 32-bit integer.
std::int32_t fullCircleRadius(const EditorState& state);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/PolygonGeometry.h"

#include <array>
#include <cmath>

#include "core/EditorState.h"

namespace {

constexpr int kVertexSlots = int(std::tuple_size_v<decltype(EditorState::vertexX)>);

double sinDeg(const EditorState& s, double degrees)
{
    return std::sin(degrees * s.piValue / 180);
}

double cosDeg(const EditorState& s, double degrees)
{
    return std::cos(degrees * s.piValue / 180);
}

double atanDeg(const EditorState& s, double v)
{
    return std::atan(v) * 180 / s.piValue;
}

double length(double dx, double dy)
{
    return std::sqrt(dx * dx + dy * dy);
}

// Writes the vertices on an ellipse around (cx, cy), starting at angle `start`
// and stepping by a whole turn over the number of sides. The angle is summed
// step by step, so the vertex a full turn on, a copy of vertex 0 that is never
// drawn, is written only when the sum does not overshoot. With a fractional
// number of sides the last step would pass the full turn and is not taken. The
// index is bounded by the tables whatever the step.
void writeVertices(EditorState& s, double cx, double cy, double radiusX, double radiusY, double start)
{
    const double step = 360 / s.polygonSides;
    const double end = start + 360;
    int k = 0;
    for (double a = start; a <= end && k < kVertexSlots; a += step, ++k) {
        s.vertexX[k] = cx + radiusX * sinDeg(s, a);
        s.vertexY[k] = nearest(cy + radiusY * cosDeg(s, a));
    }
}

// The direction from the anchor to the pointer. A pointer on the anchor
// counts as lying to its right.
double startAngle(const EditorState& s, std::int32_t dx, std::int32_t dy)
{
    double a0 = 0;
    if (dx != 0 && dy != 0) {
        a0 = atanDeg(s, double(dx) / dy);
        if (s.pointerY < s.anchorY)
            a0 += 180;
    }
    if (dy == 0)
        a0 = s.pointerX < s.anchorX ? 270 : 90;
    if (dx == 0 && s.pointerY < s.anchorY)
        a0 = 180;
    if (dx == 0 && s.pointerY > s.anchorY)
        a0 = 0;
    return a0;
}

void constructAroundAnchor(EditorState& s, std::int32_t dx, std::int32_t dy)
{
    const double a0 = startAngle(s, dx, dy);
    if (s.polygonMethod == PolygonMethod::InBox) {
        writeVertices(s, s.anchorX, s.anchorY, std::abs(double(dx)), std::abs(double(dy)), a0);
    } else {
        const double r = length(dx, dy);
        writeVertices(s, s.anchorX, s.anchorY, r, r, a0);
    }
}

// The centre of the polygon that has anchor-pointer as a side: the apex of the
// isosceles triangle on that side whose apex angle is one step of the turn.
// It is measured from the anchor when the pointer is above it and from the
// pointer when the pointer is below, so a side drawn downwards gets its polygon
// on the other hand of the drawing direction, and the anchor becomes vertex 1
// rather than the last vertex.
QPointF centreOnSide(const EditorState& s, std::int32_t dx, std::int32_t dy)
{
    const double alpha = 360 / (2 * s.polygonSides);
    const double side = length(dx, dy);
    const double r = (side / 2) / sinDeg(s, alpha);
    const double phi = (dx != 0 && dy != 0) ? atanDeg(s, double(dx) / dy) : 0;
    const QPointF a(s.anchorX, s.anchorY);
    const QPointF p(s.pointerX, s.pointerY);
    if (dy == 0) {
        const double theta = 270 + alpha;
        if (s.pointerX > s.anchorX)
            return a + r * QPointF(cosDeg(s, theta), sinDeg(s, theta));
        return p + r * QPointF(cosDeg(s, -theta), sinDeg(s, -theta));
    }
    const double theta = 180 - phi + alpha;
    const QPointF from = s.pointerY < s.anchorY ? a : p;
    return from + r * QPointF(cosDeg(s, theta), sinDeg(s, theta));
}

void constructOnSide(EditorState& s, std::int32_t dx, std::int32_t dy)
{
    const QPointF c = centreOnSide(s, dx, dy);
    const double toPointerX = s.pointerX - c.x();
    const double toPointerY = s.pointerY - c.y();
    double start = 0;
    double radius = length(toPointerX, toPointerY);
    if (toPointerY != 0 && toPointerX != 0) {
        start = atanDeg(s, toPointerX / toPointerY);
        if (s.pointerY < c.y())
            start += 180;
        radius = length(s.anchorX - c.x(), s.anchorY - c.y());
    }
    writeVertices(s, c.x(), c.y(), radius, radius, start);
}

} // namespace

double polygonSidesFromText(QStringView text)
{
    const double v = Val(text);
    return (v < 3 || v > 20) ? 3 : v;
}

void constructPolygon(EditorState& s, QStringView sidesText)
{
    s.polygonSides = polygonSidesFromText(sidesText);
    const std::int32_t dx = sub32(s.pointerX, s.anchorX);
    const std::int32_t dy = sub32(s.pointerY, s.anchorY);
    if (s.polygonMethod == PolygonMethod::OnSide)
        constructOnSide(s, dx, dy);
    else
        constructAroundAnchor(s, dx, dy);
}

// Sides are drawn while the index stays within the number of sides less two;
// the first index past that closes the figure back to vertex 0. With a
// fractional number of sides the figure closes early and the last vertex
// computed is left out.
std::vector<std::pair<QPointF, QPointF>> polygonSegments(const EditorState& s)
{
    const auto vertex = [&s](int k) { return QPointF(float(s.vertexX[k]), float(s.vertexY[k])); };
    std::vector<std::pair<QPointF, QPointF>> segments;
    int k = 0;
    for (; k <= s.polygonSides - 2 && k + 1 < kVertexSlots; ++k)
        segments.emplace_back(vertex(k), vertex(k + 1));
    segments.emplace_back(vertex(k), vertex(0));
    return segments;
}

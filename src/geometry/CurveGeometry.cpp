// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/CurveGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/EditorState.h"

namespace {

// Start and end angle of an arc, drawn counter-clockwise from start to end.
struct Arc
{
    double start;
    double end;
};

// What the main figure and its copies share; only the centre and the arc's
// angles differ between them.
struct Shape
{
    double radius = 0;
    std::optional<Arc> arc;
    std::optional<double> aspect;
};

enum class Mirror
{
    Vertical,
    Horizontal,
    Central
};

// The drawing call takes its numbers in single precision.
double single(double v)
{
    return static_cast<float>(v);
}

// Mirrored angles are brought back into one turn. A start angle lands in
// [0, 2π) and an end angle in (0, 2π], so that an arc ending on the positive x
// axis keeps 2π as its end and one starting there keeps 0 as its start.
double reducedStart(double a, double fullTurn)
{
    if (a < 0)
        return a + fullTurn;
    if (a >= fullTurn)
        return a - fullTurn;
    return a;
}

double reducedEnd(double a, double fullTurn)
{
    if (a <= 0)
        return a + fullTurn;
    if (a > fullTurn)
        return a - fullTurn;
    return a;
}

// The main arc of the quarter and half constructions. `right` is the pointer
// lying strictly right of the anchor; straight above or below counts as left.
Arc mainArc(std::int16_t subMode, bool right, double pi)
{
    const double quarter = pi / 2;
    const double threeQuarters = (pi / 2) * 3;
    const double fullTurn = pi * 2;
    switch (subMode) {
    case CurveSubMode::UpperQuarter:
        return right ? Arc{0, quarter} : Arc{quarter, pi};
    case CurveSubMode::LowerQuarter:
        return right ? Arc{threeQuarters, fullTurn} : Arc{pi, threeQuarters};
    case CurveSubMode::Half:
        return right ? Arc{0, pi} : Arc{pi, fullTurn};
    default:
        return right ? Arc{threeQuarters, quarter} : Arc{quarter, threeQuarters};
    }
}

// A reflection about a vertical axis takes the angle a to π − a and one about
// a horizontal axis to 2π − a; both reverse the sense of travel, so start and
// end change places. The point reflection turns the arc by π.
Arc mirroredArc(Arc a, Mirror mirror, double pi)
{
    const double fullTurn = pi * 2;
    switch (mirror) {
    case Mirror::Vertical:
        return {reducedStart(pi - a.end, fullTurn), reducedEnd(pi - a.start, fullTurn)};
    case Mirror::Horizontal:
        return {reducedStart(fullTurn - a.end, fullTurn), reducedEnd(fullTurn - a.start, fullTurn)};
    case Mirror::Central:
        break;
    }
    return {reducedStart(a.start + pi, fullTurn), reducedEnd(a.end + pi, fullTurn)};
}

CurveFigure figureAt(double x, double y, const Shape& shape, std::optional<Arc> arc)
{
    CurveFigure f;
    f.centre = QPointF(single(x), single(y));
    f.radius = single(shape.radius);
    if (arc) {
        f.start = single(arc->start);
        f.end = single(arc->end);
    }
    if (shape.aspect)
        f.aspect = single(*shape.aspect);
    return f;
}

// The main figure centred at (x, y), then one copy for each mirror flag that is
// on; mirrorX and mirrorY are the images of x and y about the two axes.
std::vector<CurveFigure> withCopies(const EditorState& s, double x, double y, double mirrorX, double mirrorY,
                                    const Shape& shape)
{
    const auto copyArc = [&](Mirror m) -> std::optional<Arc> {
        if (!shape.arc)
            return std::nullopt;
        return mirroredArc(*shape.arc, m, s.piValue);
    };
    std::vector<CurveFigure> figures{figureAt(x, y, shape, shape.arc)};
    if (s.mirrorVertical)
        figures.push_back(figureAt(mirrorX, y, shape, copyArc(Mirror::Vertical)));
    if (s.mirrorHorizontal)
        figures.push_back(figureAt(x, mirrorY, shape, copyArc(Mirror::Horizontal)));
    if (s.mirrorCentral)
        figures.push_back(figureAt(mirrorX, mirrorY, shape, copyArc(Mirror::Central)));
    return figures;
}

double anchorToPointer(const EditorState& s)
{
    const double dx = sub32(s.pointerX, s.anchorX);
    const double dy = sub32(s.pointerY, s.anchorY);
    return std::sqrt(dx * dx + dy * dy);
}

// The ellipse inscribed in the box with corners anchor and pointer. A zero
// extent becomes 0.1 so that the aspect stays finite; the radius goes to the
// longer semi-axis, which is how the drawing call reads it.
std::vector<CurveFigure> ellipseInBox(const EditorState& s)
{
    double ex = sub32(s.pointerX, s.anchorX);
    double ey = sub32(s.pointerY, s.anchorY);
    if (ex == 0)
        ex = 0.1;
    if (ey == 0)
        ey = 0.1;
    const double mx = s.anchorX + ex / 2;
    const double my = s.anchorY + ey / 2;
    const double halfWidth = std::abs(ex / 2);
    const double halfHeight = std::abs(ey / 2);
    const Shape shape{std::max(halfWidth, halfHeight), std::nullopt, halfHeight / halfWidth};
    // The centre is fractional, so its images are taken in double precision.
    const double mirrorX = s.mirrorAxisX + (s.mirrorAxisX - mx);
    const double mirrorY = s.mirrorAxisY + (s.mirrorAxisY - my);
    return withCopies(s, mx, my, mirrorX, mirrorY, shape);
}

// The quarter and half arcs centred at the anchor. The side half measures only
// the horizontal distance, so it never looks at the vertical difference.
std::vector<CurveFigure> arcAtAnchor(const EditorState& s)
{
    const bool right = s.pointerX > s.anchorX;
    Shape shape;
    if (s.curveSubMode == CurveSubMode::SideHalf)
        shape.radius = right ? sub32(s.pointerX, s.anchorX) : sub32(s.anchorX, s.pointerX);
    else
        shape.radius = anchorToPointer(s);
    shape.arc = mainArc(s.curveSubMode, right, s.piValue);
    return withCopies(s, s.anchorX, s.anchorY, s.mirrorAnchorX, s.mirrorAnchorY, shape);
}

} // namespace

std::vector<CurveFigure> curveFigures(const EditorState& s, std::int32_t radius0)
{
    switch (s.curveSubMode) {
    case CurveSubMode::FullCircle:
        return withCopies(s, s.anchorX, s.anchorY, s.mirrorAnchorX, s.mirrorAnchorY,
                          Shape{double(radius0), std::nullopt, std::nullopt});
    case CurveSubMode::EllipseInBox:
        return ellipseInBox(s);
    case CurveSubMode::UpperQuarter:
    case CurveSubMode::LowerQuarter:
    case CurveSubMode::Half:
    case CurveSubMode::SideHalf:
        return arcAtAnchor(s);
    default:
        return {};
    }
}

std::int32_t fullCircleRadius(const EditorState& s)
{
    return nearest(std::floor(anchorToPointer(s)));
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "core/EditorState.h"
#include "geometry/CurveGeometry.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// A drag of the circle tool from `anchor` to `pointer` with every mirror off;
// the mirror axes are far from both points so a stray copy would show.
EditorState drag(std::int16_t subMode, QPoint anchor, QPoint pointer)
{
    EditorState s;
    applyStartValues(s);
    s.toolMode = Tool::Curve;
    s.curveSubMode = subMode;
    s.mirrorVertical = false;
    s.mirrorHorizontal = false;
    s.mirrorCentral = false;
    s.mirrorAxisX = 5000;
    s.mirrorAxisY = 3000;
    s.anchorX = anchor.x();
    s.anchorY = anchor.y();
    // Worked out in 64 bits: the tests of the limits press at INT32_MIN,
    // whose mirror image does not fit (and these tests draw no mirrors).
    s.mirrorAnchorX = std::int32_t(std::int64_t(10000) - anchor.x());
    s.mirrorAnchorY = std::int32_t(std::int64_t(6000) - anchor.y());
    s.pointerX = pointer.x();
    s.pointerY = pointer.y();
    return s;
}

void allMirrorsOn(EditorState& s)
{
    s.mirrorVertical = true;
    s.mirrorHorizontal = true;
    s.mirrorCentral = true;
}

// Angles name rays: 0 and 2π are the same one.
::testing::AssertionResult sameRay(double actual, double expected)
{
    const double apart = std::remainder(actual - expected, 2 * kPi);
    if (std::abs(apart) < 1e-6)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not the ray " << expected;
}

void expectArc(const CurveFigure& f, double start, double end, const char* which)
{
    SCOPED_TRACE(which);
    ASSERT_TRUE(f.start.has_value());
    ASSERT_TRUE(f.end.has_value());
    EXPECT_TRUE(sameRay(*f.start, start));
    EXPECT_TRUE(sameRay(*f.end, end));
    EXPECT_FALSE(f.aspect.has_value());
}

void expectCentre(const CurveFigure& f, double x, double y, double tolerance = 1e-9)
{
    EXPECT_NEAR(f.centre.x(), x, tolerance);
    EXPECT_NEAR(f.centre.y(), y, tolerance);
}

void expectFinite(const CurveFigure& f)
{
    EXPECT_TRUE(std::isfinite(f.centre.x()));
    EXPECT_TRUE(std::isfinite(f.centre.y()));
    EXPECT_TRUE(std::isfinite(f.radius));
    for (const auto& v : {f.start, f.end, f.aspect}) {
        if (v) {
            EXPECT_TRUE(std::isfinite(*v));
        }
    }
}

} // namespace

// ---- Full circle ----

TEST(CurveFullCircle, RadiusIsTheWholePartOfTheDistance)
{
    EXPECT_EQ(fullCircleRadius(drag(CurveSubMode::FullCircle, {0, 0}, {300, 400})), 500);
    EXPECT_EQ(fullCircleRadius(drag(CurveSubMode::FullCircle, {0, 0}, {1, 1})), 1);
    EXPECT_EQ(fullCircleRadius(drag(CurveSubMode::FullCircle, {0, 0}, {-300, -400})), 500);
    EXPECT_EQ(fullCircleRadius(drag(CurveSubMode::FullCircle, {10, 10}, {10, 10})), 0);
}

TEST(CurveFullCircle, IsCentredAtTheAnchorWithTheGivenRadius)
{
    const auto figures = curveFigures(drag(CurveSubMode::FullCircle, {0, 0}, {300, 400}), 500);
    ASSERT_EQ(figures.size(), 1u);
    const CurveFigure expected{QPointF(0, 0), 500, std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(figures[0], expected);
}

TEST(CurveFullCircle, ReleaseUsesTheStoredRadiusNotTheDistance)
{
    // A press and release without movement: the radius of the previous
    // gesture's rubber band is what gets drawn.
    const auto figures = curveFigures(drag(CurveSubMode::FullCircle, {200, 300}, {200, 300}), 77);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].radius, 77);
    expectCentre(figures[0], 200, 300);
}

// ---- Ellipse in a box ----

TEST(CurveEllipse, FillsTheBoxOfAnchorAndPointer)
{
    const auto right = curveFigures(drag(CurveSubMode::EllipseInBox, {0, 0}, {400, 200}), 0);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0], (CurveFigure{QPointF(200, 100), 200, std::nullopt, std::nullopt, 0.5}));

    const auto left = curveFigures(drag(CurveSubMode::EllipseInBox, {0, 0}, {-400, 200}), 0);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], (CurveFigure{QPointF(-200, 100), 200, std::nullopt, std::nullopt, 0.5}));
}

TEST(CurveEllipse, BoxDrawnUpAndLeftGivesTheSameEllipse)
{
    const auto upLeft = curveFigures(drag(CurveSubMode::EllipseInBox, {1000, 1000}, {900, 1050}), 0);
    ASSERT_EQ(upLeft.size(), 1u);
    EXPECT_EQ(upLeft[0], (CurveFigure{QPointF(950, 1025), 50, std::nullopt, std::nullopt, 0.5}));

    const auto downRight = curveFigures(drag(CurveSubMode::EllipseInBox, {1000, 1000}, {1100, 950}), 0);
    ASSERT_EQ(downRight.size(), 1u);
    EXPECT_EQ(downRight[0].radius, 50);
    EXPECT_EQ(downRight[0].aspect, 0.5);
}

TEST(CurveEllipse, ZeroWidthBecomesATenthOfATwipAndStaysFinite)
{
    // Pointer straight below the anchor: a vertical stroke 400 long.
    const auto figures = curveFigures(drag(CurveSubMode::EllipseInBox, {1000, 1000}, {1000, 1400}), 0);
    ASSERT_EQ(figures.size(), 1u);
    const CurveFigure& f = figures[0];
    expectCentre(f, 1000.05, 1200, 1e-4);
    EXPECT_EQ(f.radius, 200);
    ASSERT_TRUE(f.aspect.has_value());
    EXPECT_NEAR(*f.aspect, 4000, 1e-3); // 200 / 0.05
    EXPECT_FALSE(f.start.has_value());
}

TEST(CurveEllipse, PointerOnTheAnchorGivesATinyRoundEllipse)
{
    const auto figures = curveFigures(drag(CurveSubMode::EllipseInBox, {500, 700}, {500, 700}), 0);
    ASSERT_EQ(figures.size(), 1u);
    const CurveFigure& f = figures[0];
    expectCentre(f, 500.05, 700.05, 1e-4);
    EXPECT_NEAR(f.radius, 0.05, 1e-8);
    ASSERT_TRUE(f.aspect.has_value());
    EXPECT_EQ(*f.aspect, 1);
}

// ---- Quarter and half arcs ----

namespace {

struct Arc
{
    double start;
    double end;
};

struct ArcRow
{
    std::int16_t subMode;
    bool right;
    Arc main, vertical, horizontal, central;
};

// The arcs of the quarter and half constructions and their mirror copies,
// start to end, worked out by hand.
const ArcRow kArcRows[] = {
    {2, true, {0, kPi / 2}, {kPi / 2, kPi}, {3 * kPi / 2, 2 * kPi}, {kPi, 3 * kPi / 2}},
    {2, false, {kPi / 2, kPi}, {0, kPi / 2}, {kPi, 3 * kPi / 2}, {3 * kPi / 2, 2 * kPi}},
    {3, true, {3 * kPi / 2, 2 * kPi}, {kPi, 3 * kPi / 2}, {0, kPi / 2}, {kPi / 2, kPi}},
    {3, false, {kPi, 3 * kPi / 2}, {3 * kPi / 2, 2 * kPi}, {kPi / 2, kPi}, {0, kPi / 2}},
    {4, true, {0, kPi}, {0, kPi}, {kPi, 2 * kPi}, {kPi, 2 * kPi}},
    {4, false, {kPi, 2 * kPi}, {kPi, 2 * kPi}, {0, kPi}, {0, kPi}},
    {5, true, {3 * kPi / 2, kPi / 2}, {kPi / 2, 3 * kPi / 2}, {3 * kPi / 2, kPi / 2}, {kPi / 2, 3 * kPi / 2}},
    {5,
     false,
     {kPi / 2, 3 * kPi / 2},
     {3 * kPi / 2, kPi / 2},
     {kPi / 2, 3 * kPi / 2},
     {3 * kPi / 2, kPi / 2}},
};

} // namespace

TEST(CurveArcs, EveryConstructionAndCopyHasItsArc)
{
    for (const ArcRow& row : kArcRows) {
        SCOPED_TRACE(::testing::Message() << "sub-mode " << row.subMode << (row.right ? " right" : " left"));
        // The pointer is 300 across and 400 up or down from the anchor: distance 500.
        const QPoint pointer = row.right ? QPoint(1300, 1600) : QPoint(700, 2400);
        EditorState s = drag(row.subMode, {1000, 2000}, pointer);
        allMirrorsOn(s);
        const auto figures = curveFigures(s, 0);
        ASSERT_EQ(figures.size(), 4u);

        const double radius = row.subMode == 5 ? 300 : 500;
        for (const CurveFigure& f : figures)
            EXPECT_EQ(f.radius, radius);
        expectCentre(figures[0], 1000, 2000);
        expectCentre(figures[1], 9000, 2000);
        expectCentre(figures[2], 1000, 4000);
        expectCentre(figures[3], 9000, 4000);
        expectArc(figures[0], row.main.start, row.main.end, "main");
        expectArc(figures[1], row.vertical.start, row.vertical.end, "vertical copy");
        expectArc(figures[2], row.horizontal.start, row.horizontal.end, "horizontal copy");
        expectArc(figures[3], row.central.start, row.central.end, "central copy");
    }
}

TEST(CurveArcs, PointerStraightAboveTheAnchorIsTheLeftCase)
{
    const auto figures = curveFigures(drag(CurveSubMode::UpperQuarter, {1000, 1000}, {1000, 600}), 0);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].radius, 400);
    expectArc(figures[0], kPi / 2, kPi, "main");
}

TEST(CurveArcs, PointerOneTwipRightIsTheRightCase)
{
    const auto figures = curveFigures(drag(CurveSubMode::UpperQuarter, {1000, 1000}, {1001, 1000}), 0);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].radius, 1);
    expectArc(figures[0], 0, kPi / 2, "main");
}

TEST(CurveArcs, HalfCircleIsUpperToTheRightAndLowerToTheLeft)
{
    const auto right = curveFigures(drag(CurveSubMode::Half, {1000, 1000}, {1600, 1800}), 0);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].radius, 1000);
    expectArc(right[0], 0, kPi, "right");

    const auto left = curveFigures(drag(CurveSubMode::Half, {1000, 1000}, {400, 200}), 0);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].radius, 1000);
    expectArc(left[0], kPi, 2 * kPi, "left");
}

TEST(CurveArcs, SideHalfMeasuresOnlyTheHorizontalDistance)
{
    const auto right = curveFigures(drag(CurveSubMode::SideHalf, {1000, 1000}, {1300, 5000}), 0);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].radius, 300);

    const auto left = curveFigures(drag(CurveSubMode::SideHalf, {1000, 1000}, {750, -4000}), 0);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].radius, 250);
}

TEST(CurveArcs, SideHalfWithPointerStraightAboveHasRadiusZero)
{
    const auto figures = curveFigures(drag(CurveSubMode::SideHalf, {1000, 1000}, {1000, 400}), 0);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].radius, 0);
    expectArc(figures[0], kPi / 2, 3 * kPi / 2, "main");
}

// ---- Mirror copies ----

TEST(CurveMirrors, CopiesComeVerticalHorizontalCentralForTheFlagsThatAreOn)
{
    // Axes x = 5000, y = 3000; anchor (300, 200), its stored images (9700, 5800).
    EditorState s = drag(CurveSubMode::FullCircle, {300, 200}, {600, 600});
    allMirrorsOn(s);
    auto figures = curveFigures(s, 500);
    ASSERT_EQ(figures.size(), 4u);
    expectCentre(figures[0], 300, 200);
    expectCentre(figures[1], 9700, 200);
    expectCentre(figures[2], 300, 5800);
    expectCentre(figures[3], 9700, 5800);
    for (const CurveFigure& f : figures) {
        EXPECT_EQ(f.radius, 500);
        EXPECT_FALSE(f.start || f.end || f.aspect);
    }

    s.mirrorVertical = false;
    s.mirrorCentral = false;
    figures = curveFigures(s, 500);
    ASSERT_EQ(figures.size(), 2u);
    expectCentre(figures[1], 300, 5800);

    s.mirrorHorizontal = false;
    s.mirrorVertical = true;
    s.mirrorCentral = true;
    figures = curveFigures(s, 500);
    ASSERT_EQ(figures.size(), 3u);
    expectCentre(figures[1], 9700, 200);
    expectCentre(figures[2], 9700, 5800);
}

TEST(CurveMirrors, CopiesUseTheAnchorImagesStoredAtThePress)
{
    EditorState s = drag(CurveSubMode::UpperQuarter, {300, 200}, {600, 600});
    s.mirrorVertical = true;
    s.mirrorAnchorX = 1234;
    const auto figures = curveFigures(s, 0);
    ASSERT_EQ(figures.size(), 2u);
    expectCentre(figures[1], 1234, 200);
}

TEST(CurveMirrors, EllipseCentreIsMirroredWithItsHalfTwip)
{
    // Box (0, 0)-(301, 101): centre (150.5, 50.5), images about x = 5000 and
    // y = 3000 at 9849.5 and 5949.5.
    EditorState s = drag(CurveSubMode::EllipseInBox, {0, 0}, {301, 101});
    allMirrorsOn(s);
    const auto figures = curveFigures(s, 0);
    ASSERT_EQ(figures.size(), 4u);
    expectCentre(figures[0], 150.5, 50.5);
    expectCentre(figures[1], 9849.5, 50.5);
    expectCentre(figures[2], 150.5, 5949.5);
    expectCentre(figures[3], 9849.5, 5949.5);
    for (const CurveFigure& f : figures) {
        EXPECT_EQ(f.radius, 150.5);
        ASSERT_TRUE(f.aspect.has_value());
        EXPECT_NEAR(*f.aspect, 50.5 / 150.5, 1e-7);
        EXPECT_FALSE(f.start || f.end);
    }
}

TEST(CurveMirrors, VerticalCopyOfAHalfOnTheAxisCoincidesWithIt)
{
    for (const QPoint pointer : {QPoint(1500, 800), QPoint(500, 800)}) {
        EditorState s = drag(CurveSubMode::Half, {1000, 1000}, pointer);
        s.mirrorAxisX = 1000;
        s.mirrorAnchorX = 1000;
        s.mirrorVertical = true;
        const auto figures = curveFigures(s, 0);
        ASSERT_EQ(figures.size(), 2u);
        EXPECT_EQ(figures[1], figures[0]);
    }
}

// ---- Out of range and extremes ----

TEST(CurveLimits, SubModeOutsideTheSixConstructionsGivesNothing)
{
    for (const std::int16_t subMode : {6, 7, 255, -1}) {
        EditorState s = drag(subMode, {0, 0}, {300, 400});
        allMirrorsOn(s);
        EXPECT_TRUE(curveFigures(s, 500).empty()) << subMode;
    }
}

TEST(CurveLimits, ExtremeCoordinatesGiveOnlyFiniteNumbers)
{
    constexpr std::int32_t big = 1 << 30;
    for (std::int16_t subMode = 0; subMode <= 5; ++subMode) {
        for (const QPoint pointer : {QPoint(big - 1, -big), QPoint(-big, big - 1), QPoint(-big, -big)}) {
            EditorState s = drag(subMode, {-big, big}, pointer);
            s.mirrorAxisX = 0;
            s.mirrorAxisY = 0;
            s.mirrorAnchorX = big;
            s.mirrorAnchorY = -big;
            allMirrorsOn(s);
            const auto figures = curveFigures(s, INT32_MAX);
            ASSERT_EQ(figures.size(), 4u);
            for (const CurveFigure& f : figures)
                expectFinite(f);
        }
    }
}

TEST(CurveLimits, ExtremeEllipseMirrorsWithoutWrapping)
{
    // Box (-2^30, 2^30)-(2^30 - 1, -2^30): centre (-0.5, 0) in double; its
    // image about x = 2^30 lies at 2^31 + 0.5, past the 32-bit range.
    constexpr std::int32_t big = 1 << 30;
    EditorState s = drag(CurveSubMode::EllipseInBox, {-big, big}, {big - 1, -big});
    s.mirrorAxisX = big;
    s.mirrorVertical = true;
    const auto figures = curveFigures(s, 0);
    ASSERT_EQ(figures.size(), 2u);
    expectCentre(figures[0], -0.5, 0);
    expectCentre(figures[1], 2147483648.0, 0, 1.0);
    EXPECT_GT(figures[1].centre.x(), 0);
}

TEST(CurveLimits, DifferenceBeyondThirtyTwoBitsOverflows)
{
    EditorState s = drag(CurveSubMode::UpperQuarter, {-2, 0}, {INT32_MAX, 0});
    EXPECT_THROW(curveFigures(s, 0), OverflowError);
    s.curveSubMode = CurveSubMode::EllipseInBox;
    EXPECT_THROW(curveFigures(s, 0), OverflowError);
    s.curveSubMode = CurveSubMode::SideHalf;
    EXPECT_THROW(curveFigures(s, 0), OverflowError);
    EXPECT_THROW(fullCircleRadius(s), OverflowError);

    EditorState vertical = drag(CurveSubMode::Half, {0, INT32_MIN}, {0, 1});
    EXPECT_THROW(curveFigures(vertical, 0), OverflowError);
}

TEST(CurveLimits, SideHalfIgnoresAVerticalDifferenceThatWouldOverflow)
{
    const auto figures = curveFigures(drag(CurveSubMode::SideHalf, {0, INT32_MIN}, {300, 1}), 0);
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].radius, 300);
}

TEST(CurveLimits, FullCircleRadiusBeyondThirtyTwoBitsOverflows)
{
    // Each difference fits (2^31 - 1), but the distance is about 2^31 * sqrt(2).
    const std::int32_t big = 1 << 30;
    const EditorState s = drag(CurveSubMode::FullCircle, {-big, -big}, {big - 1, big - 1});
    EXPECT_THROW(fullCircleRadius(s), OverflowError);
    // 1.2e9 across and 1.6e9 down are 2e9 apart, still a 32-bit integer.
    const EditorState inside = drag(CurveSubMode::FullCircle, {0, 0}, {1200000000, 1600000000});
    EXPECT_EQ(fullCircleRadius(inside), 2000000000);
}

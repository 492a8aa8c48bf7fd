// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "geometry/PolygonGeometry.h"
#include "support/SurfaceCompare.h"
#include "tools/PointerTracking.h"
#include "tools/StraightFigures.h"

namespace {

constexpr Colour kRed = 0x0000FF;

EditorState dragFromTo(std::int16_t method, QPoint anchor, QPoint pointer)
{
    EditorState s;
    applyStartValues(s);
    s.polygonMethod = method;
    s.anchorX = anchor.x();
    s.anchorY = anchor.y();
    s.pointerX = pointer.x();
    s.pointerY = pointer.y();
    return s;
}

// Checks vertex k against a point worked out by hand; y is stored rounded.
void expectVertex(const EditorState& s, int k, double x, int y, double tolerance = 1e-9)
{
    EXPECT_NEAR(s.vertexX[k], x, tolerance) << "vertex " << k;
    EXPECT_EQ(s.vertexY[k], y) << "vertex " << k;
}

double distance(double x1, double y1, double x2, double y2)
{
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Builds the polygon on the side a-p and checks that it is regular: vertex 0
// is the pointer, the anchor is vertex `anchorIndex`, every vertex lies as far
// from the centre as the pointer and every side is as long as a-p, give or
// take the rounding of y to whole twips.
void expectRegularOnSide(QPoint a, QPoint p, int n, int anchorIndex)
{
    SCOPED_TRACE(testing::Message() << "pointer " << p.x() << "," << p.y() << ", " << n << " sides");
    EditorState s = dragFromTo(PolygonMethod::OnSide, a, p);
    constructPolygon(s, QString::number(n));
    expectVertex(s, 0, p.x(), p.y(), 1e-6);
    expectVertex(s, anchorIndex, a.x(), a.y(), 1e-6);

    // The vertices of a regular polygon average to its centre.
    double cx = 0, cy = 0;
    for (int k = 0; k < n; ++k) {
        cx += s.vertexX[k] / n;
        cy += double(s.vertexY[k]) / n;
    }
    const double radius = distance(cx, cy, p.x(), p.y());
    const double side = distance(a.x(), a.y(), p.x(), p.y());
    for (int k = 0; k < n; ++k) {
        EXPECT_NEAR(distance(cx, cy, s.vertexX[k], s.vertexY[k]), radius, 1.0) << "vertex " << k;
        const int next = (k + 1) % n;
        EXPECT_NEAR(distance(s.vertexX[k], s.vertexY[k], s.vertexX[next], s.vertexY[next]), side, 1.0)
            << "side " << k;
    }
}

using Segment = std::pair<QPointF, QPointF>;

Segment segment(double x1, double y1, double x2, double y2)
{
    return {QPointF(x1, y1), QPointF(x2, y2)};
}

// Twips of pixel (x, y) on a 15-twips-per-pixel surface.
QPoint px(int x, int y)
{
    return QPoint(x * 15, y * 15);
}

} // namespace

TEST(PolygonSides, OutsideThreeToTwentyTheSidesBoxGivesThree)
{
    EXPECT_EQ(polygonSidesFromText(u"2"), 3);
    EXPECT_EQ(polygonSidesFromText(u"21"), 3);
    EXPECT_EQ(polygonSidesFromText(u"abc"), 3);
    EXPECT_EQ(polygonSidesFromText(u""), 3);
    EXPECT_EQ(polygonSidesFromText(u"-5"), 3);
}

TEST(PolygonSides, WithinThreeToTwentyTheNumberIsKeptFractionsIncluded)
{
    EXPECT_EQ(polygonSidesFromText(u"3"), 3);
    EXPECT_EQ(polygonSidesFromText(u"5"), 5);
    EXPECT_EQ(polygonSidesFromText(u"20"), 20);
    EXPECT_EQ(polygonSidesFromText(u"4.5"), 4.5);
}

TEST(PolygonSides, ConstructionStoresTheNumberOfSides)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {0, 0}, {0, 100});
    constructPolygon(s, u"7");
    EXPECT_EQ(s.polygonSides, 7);
    constructPolygon(s, u"1");
    EXPECT_EQ(s.polygonSides, 3);
}

TEST(PolygonAroundCentre, SquareCentredOnTheAnchorStartsAtThePointer)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {0, 0}, {0, 100});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 0, 100);
    expectVertex(s, 1, 100, 0);
    expectVertex(s, 2, 0, -100);
    expectVertex(s, 3, -100, 0);
    // A full turn is reached exactly by four steps of 90, so a copy of vertex 0 follows.
    expectVertex(s, 4, 0, 100);
}

TEST(PolygonAroundCentre, FirstVertexIsThePointerInEveryDirection)
{
    const QPoint a(1000, 2000);
    const QPoint pointers[] = {{1300, 2000}, {700, 2000}, {1000, 1700}, {1000, 2300},
                               {1300, 1600}, {700, 2400}, {700, 1600},  {1300, 2400}};
    for (const QPoint& p : pointers) {
        EditorState s = dragFromTo(PolygonMethod::AroundCentre, a, p);
        constructPolygon(s, u"5");
        SCOPED_TRACE(testing::Message() << "pointer " << p.x() << "," << p.y());
        expectVertex(s, 0, p.x(), p.y(), 1e-6);
    }
}

TEST(PolygonAroundCentre, VerticesTurnFromDownTowardsTheRight)
{
    // The pointer 300 right of and 400 above the anchor: a 3-4-5 triangle,
    // so a quarter turn on lies 400 left of and 300 above the anchor.
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {1000, 2000}, {1300, 1600});
    constructPolygon(s, u"4");
    expectVertex(s, 1, 600, 1700, 1e-6);
    expectVertex(s, 2, 700, 2400, 1e-6);
    expectVertex(s, 3, 1400, 2300, 1e-6);
}

TEST(PolygonAroundCentre, PointerOnTheAnchorPutsEveryVertexThere)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {500, 700}, {500, 700});
    constructPolygon(s, u"6");
    for (int k = 0; k < 6; ++k)
        expectVertex(s, k, 500, 700);
}

TEST(PolygonAroundCentre, FractionalSidesStepEightyDegreesAndCloseAfterFourSides)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {0, 0}, {0, 100});
    s.vertexX[5] = 12345;
    s.vertexY[5] = 12345;
    constructPolygon(s, u"4.5");
    // sin and cos of 0, 80, 160, 240 and 320 degrees, times 100.
    expectVertex(s, 0, 0, 100, 1e-6);
    expectVertex(s, 1, 98.4807753, 17, 1e-6);
    expectVertex(s, 2, 34.2020143, -94, 1e-6);
    expectVertex(s, 3, -86.6025404, -50, 1e-6);
    expectVertex(s, 4, -64.2787610, 77, 1e-6);
    EXPECT_EQ(s.vertexX[5], 12345) << "a sixth vertex was computed";
    EXPECT_EQ(s.vertexY[5], 12345) << "a sixth vertex was computed";

    const auto segments = polygonSegments(s);
    ASSERT_EQ(segments.size(), 4u);
    const auto v = [&s](int k) { return QPointF(float(s.vertexX[k]), float(s.vertexY[k])); };
    EXPECT_EQ(segments[0], Segment(v(0), v(1)));
    EXPECT_EQ(segments[1], Segment(v(1), v(2)));
    EXPECT_EQ(segments[2], Segment(v(2), v(3)));
    EXPECT_EQ(segments[3], Segment(v(3), v(0)));
}

TEST(PolygonInBox, PointerLevelWithTheAnchorFlattensTheFigureOntoALine)
{
    EditorState s = dragFromTo(PolygonMethod::InBox, {1000, 1000}, {1300, 1000});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 1300, 1000);
    expectVertex(s, 1, 1000, 1000);
    expectVertex(s, 2, 700, 1000);
    expectVertex(s, 3, 1000, 1000);
}

TEST(PolygonInBox, PointerStraightBelowTheAnchorFlattensTheFigureOntoALine)
{
    EditorState s = dragFromTo(PolygonMethod::InBox, {1000, 1000}, {1000, 1400});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 1000, 1400);
    expectVertex(s, 1, 1000, 1000);
    expectVertex(s, 2, 1000, 600);
    expectVertex(s, 3, 1000, 1000);
}

TEST(PolygonInBox, DirectionOfThePointerIsStretchedByTheBox)
{
    // Start angle with sine 0.6 and cosine -0.8; the box is 300 wide, 400 high.
    EditorState s = dragFromTo(PolygonMethod::InBox, {0, 0}, {300, -400});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 180, -320, 1e-6);
    expectVertex(s, 1, -240, -240, 1e-6);
    expectVertex(s, 2, -180, 320, 1e-6);
    expectVertex(s, 3, 240, 240, 1e-6);
}

TEST(PolygonOnSide, SquareStandsAboveASideDrawnToTheRight)
{
    EditorState s = dragFromTo(PolygonMethod::OnSide, {0, 0}, {100, 0});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 100, 0);
    expectVertex(s, 1, 100, -100);
    expectVertex(s, 2, 0, -100);
    expectVertex(s, 3, 0, 0);
}

TEST(PolygonOnSide, SquareHangsBelowASideDrawnToTheLeft)
{
    EditorState s = dragFromTo(PolygonMethod::OnSide, {0, 0}, {-100, 0});
    constructPolygon(s, u"4");
    expectVertex(s, 0, -100, 0);
    expectVertex(s, 1, -100, 100);
    expectVertex(s, 2, 0, 100);
    expectVertex(s, 3, 0, 0);
}

TEST(PolygonOnSide, PointerOnTheAnchorPutsEveryVertexThere)
{
    EditorState s = dragFromTo(PolygonMethod::OnSide, {500, 700}, {500, 700});
    constructPolygon(s, u"5");
    for (int k = 0; k < 5; ++k)
        expectVertex(s, k, 500, 700);
}

TEST(PolygonOnSide, SquareOnASideDrawnUpwardsLiesToItsLeft)
{
    EditorState s = dragFromTo(PolygonMethod::OnSide, {0, 0}, {0, -100});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 0, -100);
    expectVertex(s, 1, -100, -100);
    expectVertex(s, 2, -100, 0);
    expectVertex(s, 3, 0, 0);
}

// Drawn downwards the square still lies to the left on screen, which is the
// other side of the direction of drawing, so the anchor comes right after the
// pointer instead of last.
TEST(PolygonOnSide, SquareOnASideDrawnDownwardsAlsoLiesToItsLeft)
{
    EditorState s = dragFromTo(PolygonMethod::OnSide, {0, 0}, {0, 100});
    constructPolygon(s, u"4");
    expectVertex(s, 0, 0, 100);
    expectVertex(s, 1, 0, 0);
    expectVertex(s, 2, -100, 0);
    expectVertex(s, 3, -100, 100);
}

TEST(PolygonOnSide, PointerLevelWithOrAboveTheAnchorRunsRoundToTheAnchorLast)
{
    const QPoint a(1000, 1000);
    const QPoint pointers[] = {{1300, 600}, {700, 600}, {1250, 970}, {1000, 600}, {1300, 1000}, {700, 1000}};
    for (const QPoint& p : pointers)
        for (int n = 3; n <= 20; ++n)
            expectRegularOnSide(a, p, n, n - 1);
}

TEST(PolygonOnSide, PointerBelowTheAnchorHasTheAnchorSecond)
{
    const QPoint a(1000, 1000);
    const QPoint pointers[] = {{1300, 1400}, {700, 1400}, {990, 1600}, {1000, 1400}, {1600, 1001}};
    for (const QPoint& p : pointers)
        for (int n = 3; n <= 20; ++n)
            expectRegularOnSide(a, p, n, 1);
}

TEST(PolygonSegments, TriangleIsDrawnZeroToOneOneToTwoTwoToZero)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {0, 0}, {0, 100});
    constructPolygon(s, u"3");
    const auto segments = polygonSegments(s);
    ASSERT_EQ(segments.size(), 3u);
    // Vertices at 0, 120 and 240 degrees: (0, 100), (86.6, -50), (-86.6, -50).
    const auto expectSegment = [](const Segment& got, const Segment& want) {
        EXPECT_NEAR(got.first.x(), want.first.x(), 1e-4);
        EXPECT_EQ(got.first.y(), want.first.y());
        EXPECT_NEAR(got.second.x(), want.second.x(), 1e-4);
        EXPECT_EQ(got.second.y(), want.second.y());
    };
    expectSegment(segments[0], segment(0, 100, 86.60254, -50));
    expectSegment(segments[1], segment(86.60254, -50, -86.60254, -50));
    expectSegment(segments[2], segment(-86.60254, -50, 0, 100));
}

TEST(PolygonSegments, WholeSidesGiveOneSegmentPerSide)
{
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {0, 0}, {0, 100});
    constructPolygon(s, u"20");
    EXPECT_EQ(polygonSegments(s).size(), 20u);
}

TEST(PolygonSegments, CoordinatesReachTheDrawingInSinglePrecision)
{
    // 2^24 + 1 is not a float; it rounds to the even neighbour 2^24.
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, {16777217, 0}, {16777217, 0});
    constructPolygon(s, u"3");
    const auto segments = polygonSegments(s);
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments[0].first.x(), 16777216.0);
}

TEST(PolygonPreview, DrawsOnTheScreenLayerOnly)
{
    Surface canvas(QSize(400, 400));
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, px(200, 200), px(200, 300));
    s.colourRed = 255;
    previewPolygon(s, canvas, u"4");
    // A diamond through (200, 300), (300, 200), (200, 100) and (100, 200).
    EXPECT_EQ(pixelAt(canvas.screen(), 250, 250), kRed);
    EXPECT_EQ(pixelAt(canvas.screen(), 150, 150), kRed);
    EXPECT_EQ(pixelAt(canvas.screen(), 200, 200), kWhite);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kWhite), 400 * 400);
}

TEST(PolygonPreview, GivenSideIsDrawnFirstInTheForeColour)
{
    constexpr Colour kGreenFore = 0x00C000;
    Surface canvas(QSize(400, 400));
    canvas.setForeColor(kGreenFore);
    std::vector<QRect> drawn;
    QImage afterFirst;
    canvas.setChangeListener([&](const QRegion& r) {
        drawn.push_back(r.boundingRect());
        if (drawn.size() == 1)
            afterFirst = canvas.screen().copy();
    });
    EditorState s = dragFromTo(PolygonMethod::OnSide, px(100, 300), px(300, 300));
    s.colourRed = 255;
    previewPolygon(s, canvas, u"4");
    // The side, then the four sides of the square standing on it.
    ASSERT_FALSE(drawn.empty());
    // The side alone is on the screen after the first drawing, in ForeColor;
    // the square's own bottom side then covers it in the drawing colour.
    EXPECT_EQ(pixelAt(afterFirst, 200, 300), kGreenFore);
    EXPECT_EQ(pixelAt(afterFirst, 300, 200), kWhite);
    EXPECT_EQ(pixelAt(canvas.screen(), 200, 300), kRed);
    EXPECT_EQ(pixelAt(afterFirst, 100, 300), kGreenFore);
    EXPECT_EQ(pixelAt(afterFirst, 299, 300), kGreenFore);
    EXPECT_EQ(pixelAt(canvas.screen(), 300, 200), kRed);
    EXPECT_EQ(pixelAt(canvas.screen(), 100, 200), kRed);
    EXPECT_EQ(pixelAt(canvas.screen(), 200, 100), kRed);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kWhite), 400 * 400);
}

TEST(PolygonPreview, PointerMoveWithTheButtonHeldShowsThePolygon)
{
    Surface canvas(QSize(400, 400));
    Surface page(QSize(400, 400));
    page.setShown(false);
    EditorState s = dragFromTo(PolygonMethod::AroundCentre, px(200, 200), px(200, 200));
    s.toolMode = Tool::Polygon;
    s.lineWidth = 1;
    s.colourRed = 255;
    trackPointer(s, canvas, page, 1, 200 * 15, 300 * 15, QString(), QStringLiteral("4"));
    EXPECT_EQ(s.polygonSides, 4);
    EXPECT_EQ(pixelAt(canvas.screen(), 250, 250), kRed);
    EXPECT_EQ(pixelAt(canvas.screen(), 150, 150), kRed);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kWhite), 400 * 400);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "canvas/EllipseRing.h"

namespace {

std::set<std::pair<int, int>> pixelsOf(const std::vector<RingSpan>& spans)
{
    std::set<std::pair<int, int>> pixels;
    for (const RingSpan& s : spans)
        for (int x = s.left; x <= s.right; ++x)
            pixels.insert({x, s.y});
    return pixels;
}

} // namespace

// A circle of radius 100 about the pixel corner (200, 200) with a 5-pixel
// pen: every pixel whose centre lies 97.5 to 102.5 from the centre, and no
// other.
TEST(EllipseRing, HoldsEveryPixelWithinHalfThePenOfTheCircle)
{
    const auto pixels = pixelsOf(ellipseRing(QPoint(200, 200), 100, 100, 5, QRect(0, 0, 400, 400)));
    for (int y = 90; y < 310; ++y)
        for (int x = 90; x < 310; ++x) {
            const double d = std::hypot(x + 0.5 - 200, y + 0.5 - 200);
            if (d < 97.4 || d > 102.6) {
                EXPECT_EQ(pixels.count({x, y}), 0u) << x << "," << y << " at " << d;
            } else if (d > 97.6 && d < 102.4) {
                EXPECT_EQ(pixels.count({x, y}), 1u) << x << "," << y << " at " << d;
            }
        }
}

TEST(EllipseRing, IsSymmetricAboutItsCentreAndTouchesItsBox)
{
    const auto pixels = pixelsOf(ellipseRing(QPoint(300, 200), 150, 60, 1, QRect(0, 0, 600, 400)));
    for (const auto& [x, y] : pixels) {
        EXPECT_EQ(pixels.count({2 * 300 - 1 - x, y}), 1u) << "left-right image of " << x << "," << y;
        EXPECT_EQ(pixels.count({x, 2 * 200 - 1 - y}), 1u) << "top-bottom image of " << x << "," << y;
    }
    // A one-pixel pen reaches the box of the ellipse on all four sides.
    EXPECT_EQ(pixels.count({150, 199}), 1u);
    EXPECT_EQ(pixels.count({449, 199}), 1u);
    EXPECT_EQ(pixels.count({299, 140}), 1u);
    EXPECT_EQ(pixels.count({299, 259}), 1u);
}

TEST(EllipseRing, AThinRingHasNoGaps)
{
    for (double r : {1.0, 2.5, 7.0, 33.0, 60.0, 147.0}) {
        const auto pixels = pixelsOf(ellipseRing(QPoint(200, 200), r, r * 0.7, 1, QRect(0, 0, 400, 400)));
        ASSERT_FALSE(pixels.empty());
        // Walk the ring from one pixel through 8-connected neighbours: every
        // pixel of it is reached.
        std::set<std::pair<int, int>> reached{*pixels.begin()};
        std::vector<std::pair<int, int>> todo{*pixels.begin()};
        while (!todo.empty()) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (pixels.count({x + dx, y + dy}) && reached.insert({x + dx, y + dy}).second)
                        todo.push_back({x + dx, y + dy});
        }
        EXPECT_EQ(reached.size(), pixels.size()) << "radius " << r;
    }
}

TEST(EllipseRing, AHugeRingCostsOnlyTheRowsOfItsClip)
{
    const std::vector<RingSpan> spans = ellipseRing(QPoint(100, 100), 1e8, 1e8, 3, QRect(0, 0, 200, 150));
    EXPECT_TRUE(spans.empty()) << "the ring passes far outside the clip";
    const std::vector<RingSpan> crossing =
        ellipseRing(QPoint(100, 1e6), 1e6 - 50, 1e6 - 50, 3, QRect(0, 0, 200, 150));
    ASSERT_FALSE(crossing.empty());
    for (const RingSpan& s : crossing) {
        EXPECT_GE(s.y, 0);
        EXPECT_LT(s.y, 150);
        EXPECT_GE(s.left, 0);
        EXPECT_LT(s.right, 200);
    }
}

// A circle of radius 3 about the pixel corner (10, 10) with a one-pixel pen:
// a pixel is inked when its centre lies between 2.5 and 3.5 from the centre
// (in the row's terms: outside the half width sqrt(2.5^2 - dy^2) and within
// sqrt(3.5^2 - dy^2), dy being 0.5, 1.5 or 2.5 from the centre to the row's
// middle). Rows 9 and 10 (dy 0.5): half widths 2.45 and 3.46, so the pixels
// whose centres are 2.5 off, columns 7 and 12. Rows 8 and 11 (dy 1.5): 2.0
// and 3.16, again columns 7 and 12. Rows 7 and 12 (dy 2.5): no hole, and
// 2.45 of reach: centres 0.5 and 1.5 off, columns 8 to 11. Rows 6 and 13
// (dy 3.5) miss the ring.
TEST(EllipseRing, ASmallCircleHasTheRunsWorkedOutByHand)
{
    const std::vector<RingSpan> spans = ellipseRing(QPoint(10, 10), 3, 3, 1, QRect(0, 0, 40, 40));
    const std::vector<std::tuple<int, int, int>> expected = {
        {7, 8, 11}, {8, 7, 7},    {8, 12, 12}, {9, 7, 7},    {9, 12, 12},
        {10, 7, 7}, {10, 12, 12}, {11, 7, 7},  {11, 12, 12}, {12, 8, 11},
    };
    ASSERT_EQ(spans.size(), expected.size());
    for (size_t i = 0; i < spans.size(); ++i)
        EXPECT_EQ(std::make_tuple(spans[i].y, spans[i].left, spans[i].right), expected[i]) << "run " << i;
}

TEST(EllipseRing, AClipKeepsOnlyItsRowsAndColumns)
{
    // Columns 0 to 11 and rows 9 to 11 of the circle above.
    const std::vector<RingSpan> spans = ellipseRing(QPoint(10, 10), 3, 3, 1, QRect(0, 9, 12, 3));
    const std::vector<std::tuple<int, int, int>> expected = {{9, 7, 7}, {10, 7, 7}, {11, 7, 7}};
    ASSERT_EQ(spans.size(), expected.size());
    for (size_t i = 0; i < spans.size(); ++i)
        EXPECT_EQ(std::make_tuple(spans[i].y, spans[i].left, spans[i].right), expected[i]) << "run " << i;
}

// The circle above laid at three centres in turn, the second one clipped:
// each time the runs worked out by hand, moved with the centre.
TEST(EllipseRing, OneShapeLaidAtSeveralCentresGivesEachTheSameRunsMoved)
{
    const std::vector<std::tuple<int, int, int>> atOrigin = {
        {7, 8, 11}, {8, 7, 7},    {8, 12, 12}, {9, 7, 7},    {9, 12, 12},
        {10, 7, 7}, {10, 12, 12}, {11, 7, 7},  {11, 12, 12}, {12, 8, 11},
    };
    EllipseRing ring(3, 3, 1);
    EXPECT_TRUE(ring.hasShape(3, 3, 1));
    EXPECT_FALSE(ring.hasShape(3, 3, 2));
    EXPECT_FALSE(ring.hasShape(3, 2.5, 1));
    auto check = [&](QPoint centre, const QRect& clip) {
        const std::vector<RingSpan> spans = ring.spans(centre, clip);
        std::vector<std::tuple<int, int, int>> expected;
        for (auto [y, left, right] : atOrigin) {
            y += centre.y() - 10;
            left = std::max(left + centre.x() - 10, clip.left());
            right = std::min(right + centre.x() - 10, clip.right());
            if (y >= clip.top() && y <= clip.bottom() && left <= right)
                expected.emplace_back(y, left, right);
        }
        ASSERT_EQ(spans.size(), expected.size()) << "centre " << centre.x() << "," << centre.y();
        for (size_t i = 0; i < spans.size(); ++i)
            EXPECT_EQ(std::make_tuple(spans[i].y, spans[i].left, spans[i].right), expected[i]) << "run " << i;
    };
    check(QPoint(10, 10), QRect(0, 0, 40, 40));
    check(QPoint(30, 21), QRect(0, 0, 40, 40));
    check(QPoint(38, 2), QRect(0, 0, 40, 40)); // its top row and right column fall outside
    check(QPoint(10, 10), QRect(0, 0, 40, 40));
}

// The circle above in bands of 8 rows: row 7 alone in the band of rows 0 to
// 7, left of the centre column 10 (its run 8..11 has its middle at 9.5);
// rows 8 to 12 in the next band, whose left runs span columns 7 to 11 and
// whose right runs are column 12 of rows 8 to 11.
TEST(EllipseRing, RingInkTakesOneBoxABandOnEachSide)
{
    const std::vector<QRect> ink = ringInk(ellipseRing(QPoint(10, 10), 3, 3, 1, QRect(0, 0, 40, 40)), 10, 8);
    const std::vector<QRect> expected = {QRect(QPoint(8, 7), QPoint(11, 7)),
                                         QRect(QPoint(7, 8), QPoint(11, 12)),
                                         QRect(QPoint(12, 8), QPoint(12, 11))};
    EXPECT_EQ(ink, expected);
}

TEST(EllipseRing, RingInkHoldsEveryRunOfALargeRing)
{
    const std::vector<RingSpan> ring = ellipseRing(QPoint(500, 400), 424, 300, 5, QRect(0, 0, 1000, 800));
    const std::vector<QRect> ink = ringInk(ring, 500, 8);
    long inkArea = 0, ringArea = 0;
    for (const QRect& r : ink)
        inkArea += long(r.width()) * r.height();
    for (const RingSpan& s : ring) {
        ringArea += s.right - s.left + 1;
        const bool held = std::any_of(ink.begin(), ink.end(), [&](const QRect& r) {
            return r.contains(QPoint(s.left, s.y)) && r.contains(QPoint(s.right, s.y));
        });
        EXPECT_TRUE(held) << "run " << s.left << ".." << s.right << " of row " << s.y;
    }
    // Boxes of eight rows hug a five-pixel ring: well under four times its area.
    EXPECT_LT(inkArea, 4 * ringArea);
}

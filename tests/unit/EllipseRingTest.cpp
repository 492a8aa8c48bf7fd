#include <gtest/gtest.h>

#include <cmath>
#include <set>

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
            if (d < 97.4 || d > 102.6)
                EXPECT_EQ(pixels.count({x, y}), 0u) << x << "," << y << " at " << d;
            else if (d > 97.6 && d < 102.4)
                EXPECT_EQ(pixels.count({x, y}), 1u) << x << "," << y << " at " << d;
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

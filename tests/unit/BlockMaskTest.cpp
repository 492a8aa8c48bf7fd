#include <gtest/gtest.h>

#include <vector>

#include "canvas/BlockMask.h"

// An area of 100 x 30 pixels holds 13 columns of 8-pixel blocks (the last
// one 4 pixels wide, 96 to 99) and 4 rows (the last one 6 pixels high, 24 to
// 29).
TEST(BlockMask, RunsAreTheMarkedBlocksRowByRowClippedToTheArea)
{
    BlockMask mask(QSize(100, 30));
    EXPECT_FALSE(mask.any());
    mask.mark(QRect(3, 2, 10, 4));    // columns 0 and 1 of row 0
    mask.mark(QRect(40, 9, 1, 1));    // column 5 of row 1
    mask.mark(QRect(95, 20, 50, 50)); // columns 11 and 12 of rows 2 and 3, past the edge
    mask.mark(QRect(16, 0, 8, 1));    // column 2 of row 0, touching the first mark
    EXPECT_TRUE(mask.any());
    const std::vector<QRect> expected = {QRect(0, 0, 24, 8), QRect(40, 8, 8, 8), QRect(88, 16, 12, 8),
                                         QRect(88, 24, 12, 6)};
    EXPECT_EQ(mask.runs(), expected);
}

// 1200 pixels make 150 columns of blocks, more than two words of 64 bits.
TEST(BlockMask, RunsCrossAndEndAtWordBoundaries)
{
    BlockMask mask(QSize(1200, 8));
    mask.mark(QRect(QPoint(0, 0), QPoint(0, 0)));       // column 0
    mask.mark(QRect(QPoint(500, 0), QPoint(1100, 3)));  // columns 62 to 137
    mask.mark(QRect(QPoint(1190, 7), QPoint(1300, 7))); // columns 148 and 149
    const std::vector<QRect> expected = {QRect(0, 0, 8, 8), QRect(496, 0, 608, 8), QRect(1184, 0, 16, 8)};
    EXPECT_EQ(mask.runs(), expected);

    BlockMask edge(QSize(1200, 8));
    edge.mark(QRect(0, 0, 512, 1));  // columns 0 to 63: exactly the first word
    edge.mark(QRect(520, 0, 1, 1));  // column 65, after an unmarked column 64
    edge.mark(QRect(1024, 0, 8, 8)); // column 128, the first of the third word
    const std::vector<QRect> edgeRuns = {QRect(0, 0, 512, 8), QRect(520, 0, 8, 8), QRect(1024, 0, 8, 8)};
    EXPECT_EQ(edge.runs(), edgeRuns);
}

TEST(BlockMask, ClearForgetsEveryMarkAndTheMaskCanBeMarkedAgain)
{
    BlockMask mask(QSize(1200, 100));
    mask.mark(QRect(10, 10, 1000, 50));
    mask.mark(QRect(0, 90, 1200, 10));
    mask.clear();
    EXPECT_FALSE(mask.any());
    EXPECT_TRUE(mask.runs().empty());
    mask.mark(QRect(600, 40, 1, 1)); // column 75 of row 5
    const std::vector<QRect> expected = {QRect(600, 40, 8, 8)};
    EXPECT_EQ(mask.runs(), expected);
}

TEST(BlockMask, RegionHoldsTheRunsAndNothingElse)
{
    BlockMask mask(QSize(100, 30));
    mask.mark(QRect(3, 2, 10, 4));
    mask.mark(QRect(95, 20, 50, 50));
    QRegion expected(QRect(0, 0, 16, 8));
    expected += QRect(88, 16, 12, 14);
    // The same pixels, however the region splits them into rectangles.
    EXPECT_TRUE(mask.region().xored(expected).isEmpty());
    EXPECT_EQ(mask.region().boundingRect(), QRect(0, 0, 100, 30));
}

TEST(BlockMask, TheCoarseRegionJoinsTouchingRunsOfABandOfRows)
{
    // Runs of a steep line: one block wide, one block further right on each
    // row of blocks, over six rows of blocks (48 pixels).
    std::vector<QRect> runs;
    for (int row = 0; row < 6; ++row) {
        runs.emplace_back(8 * row, 8 * row, 8, 8);
        if (row == 3)
            runs.emplace_back(200, 24, 16, 8); // apart from the line, in the first band
    }
    const QRegion coarse = BlockMask::coarseRegion(runs);
    // The first band (rows 0 to 3 of blocks, pixels 0 to 31) joins the line's
    // four runs into one rectangle and keeps the run at x 200 apart, as tall
    // as the band's runs; the second band holds the last two runs.
    QRegion expected(QRect(0, 0, 32, 32));
    expected += QRect(200, 0, 16, 32);
    expected += QRect(32, 32, 16, 16);
    EXPECT_TRUE(coarse.xored(expected).isEmpty());
    for (const QRect& r : runs)
        EXPECT_TRUE(coarse.contains(r)) << r.x() << "," << r.y();
    EXPECT_EQ(coarse.rectCount(), 3);
}

TEST(BlockMask, AMarkOutsideTheAreaMarksNothing)
{
    BlockMask mask(QSize(100, 30));
    mask.mark(QRect(-50, -50, 40, 40));
    mask.mark(QRect(100, 0, 10, 10));
    mask.mark(QRect());
    EXPECT_FALSE(mask.any());
    EXPECT_TRUE(mask.runs().empty());
}

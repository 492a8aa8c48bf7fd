// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

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

TEST(BlockMask, RowsOfBlocksWithTheSameRunsMakeOneBandOfTheRegion)
{
    BlockMask mask(QSize(200, 100));
    // Rows 0 to 3 of blocks hold the same two runs; rows 4 and 5 a run one
    // block further right on each, as a steep line leaves them.
    mask.mark(QRect(0, 0, 16, 32));
    mask.mark(QRect(96, 0, 8, 32));
    mask.mark(QRect(40, 32, 8, 8));
    mask.mark(QRect(48, 40, 8, 8));
    const QRegion region = mask.region();
    QRegion expected(QRect(0, 0, 16, 32));
    expected += QRect(96, 0, 8, 32);
    expected += QRect(40, 32, 8, 8);
    expected += QRect(48, 40, 8, 8);
    EXPECT_TRUE(region.xored(expected).isEmpty());
    EXPECT_EQ(region.rectCount(), 4);
    // A whole marked area is one rectangle, however many rows it spans.
    BlockMask whole(QSize(203, 101));
    whole.mark(QRect(0, 0, 203, 101));
    EXPECT_EQ(whole.region(), QRegion(QRect(0, 0, 203, 101)));
    EXPECT_EQ(whole.region().rectCount(), 1);
}

TEST(BlockMask, UnitingMarksTheBlocksOfBothMasks)
{
    BlockMask a(QSize(1000, 100)), b(QSize(1000, 100));
    a.mark(QRect(0, 0, 8, 8));
    a.mark(QRect(600, 50, 10, 10));
    b.mark(QRect(4, 4, 1, 1)); // a block a holds already
    b.mark(QRect(900, 90, 1, 1));
    b.mark(QRect(500, 16, 200, 1));
    a.unite(b);
    const std::vector<QRect> expected = {QRect(0, 0, 8, 8), QRect(496, 16, 208, 8), QRect(600, 48, 16, 16),
                                         QRect(896, 88, 8, 8)};
    // Runs come a row of blocks at a time: the mark at y 50 to 59 spans two.
    std::vector<QRect> joined;
    for (const QRect& r : a.runs()) {
        if (!joined.empty() && joined.back().left() == r.left() && joined.back().right() == r.right() &&
            joined.back().bottom() + 1 == r.top())
            joined.back().setBottom(r.bottom());
        else
            joined.push_back(r);
    }
    EXPECT_EQ(joined, expected);
    // An empty mask adds nothing, and uniting into an empty one copies.
    BlockMask empty(QSize(1000, 100)), copy(QSize(1000, 100));
    a.unite(empty);
    EXPECT_EQ(a.runs().size(), 5u);
    copy.unite(a);
    EXPECT_EQ(copy.runs(), a.runs());
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

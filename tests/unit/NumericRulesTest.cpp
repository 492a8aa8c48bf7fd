// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/EditorState.h"
#include "core/NumericRules.h"

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(3.5), 4);
    EXPECT_EQ(nearest(-2.5), -2);
    EXPECT_EQ(nearest(-3.5), -4);
    EXPECT_EQ(nearest(2.4999), 2);
    EXPECT_EQ(nearest(7058.0), 7058);
}

TEST(Rounding, OutOfRangeOrNotANumberRaisesOverflow)
{
    EXPECT_THROW(nearest(3e9), OverflowError);
    EXPECT_THROW(nearest(-3e9), OverflowError);
    EXPECT_THROW(nearest(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    EXPECT_THROW(nearest16(32767.5 + 1), OverflowError);
    EXPECT_EQ(nearest16(-32768.0), -32768);
}

TEST(Snapping, TruncatesTowardZeroOnBothSidesOfTheOrigin)
{
    EXPECT_EQ(snapToGrid(149, 100), 100);
    EXPECT_EQ(snapToGrid(-149, 100), -100);
    EXPECT_EQ(snapToGrid(99.6, 100), 100);
    EXPECT_EQ(snapToGrid(2.5, 1), 2);
    EXPECT_EQ(snapToGrid(3.5, 1), 4);
    // The mirror axis of a 14115-twip canvas on a 300-twip grid.
    EXPECT_EQ(snapToGrid(14115.0 / 2, 300), 6900);
}

TEST(CheckedArithmetic, ResultsThatDoNotFitRaiseOverflow)
{
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_THROW(add16(32767, 1), OverflowError);
    EXPECT_THROW(sub16(-32768, 1), OverflowError);
    EXPECT_THROW(mul16(200, 200), OverflowError);
    EXPECT_EQ(mul32(46340, 46340), 2147395600);
    EXPECT_THROW(mul32(46341, 46341), OverflowError);
    EXPECT_THROW(add32(2147483647, 1), OverflowError);
    EXPECT_THROW(sub32(-2147483647 - 1, 1), OverflowError);
    EXPECT_EQ(mirrored(100, 30), 170);
    EXPECT_THROW(mirrored(2000000000, -2000000000), OverflowError);
}

TEST(Val, ReadsTheLeadingNumberOfAText)
{
    EXPECT_EQ(Val(u"5"), 5);
    EXPECT_EQ(Val(u"4.5"), 4.5);
    EXPECT_EQ(Val(u"  12 lados"), 12);
    EXPECT_EQ(Val(u"1 2"), 12);
    EXPECT_EQ(Val(u"-7"), -7);
    EXPECT_EQ(Val(u".5"), 0.5);
    EXPECT_EQ(Val(u"3,5"), 3); // only a full stop is a decimal point
    EXPECT_EQ(Val(u"1e3"), 1000);
    EXPECT_EQ(Val(u"2e"), 2);
    EXPECT_EQ(Val(u"&H1F"), 31);
    EXPECT_EQ(Val(u"&O17"), 15);
}

TEST(Val, TextWithoutANumberReadsAsZero)
{
    EXPECT_EQ(Val(u""), 0);
    EXPECT_EQ(Val(u"abc"), 0);
    EXPECT_EQ(Val(u"Nº lados"), 0);
    EXPECT_EQ(Val(u"-"), 0);
    EXPECT_EQ(Val(u"."), 0);
    EXPECT_THROW(Val(u"1e999"), OverflowError);
}

TEST(Val, HexadecimalAndOctalTooLargeForADoubleOverflowLikeDecimals)
{
    EXPECT_THROW(Val(QStringLiteral("&H") + QString(300, u'F')), OverflowError);
    EXPECT_THROW(Val(QStringLiteral("&O") + QString(400, u'7')), OverflowError);
    EXPECT_EQ(Val(QStringLiteral("&H") + QString(12, u'F')), 281474976710655.0);
}

TEST(Val, OnlyAsciiDigitsCount)
{
    // An Arabic-Indic five ends the number instead of reading as a zero digit.
    EXPECT_EQ(Val(u"5\u0665"), 5);
    EXPECT_EQ(Val(u"\u0665"), 0);
    EXPECT_EQ(Val(u"&H1\u0665"), 1);
    EXPECT_EQ(Val(u"3.\u0665"), 3);
}

TEST(DrawingColour, PacksRedGreenBlueIntoTheLowMiddleAndHighBytes)
{
    EXPECT_EQ(drawingColour(0, 0, 0), 0x000000u);
    EXPECT_EQ(drawingColour(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(drawingColour(0, 255, 0), 0x00FF00u);
    EXPECT_EQ(drawingColour(0, 0, 255), 0xFF0000u);
    EXPECT_EQ(drawingColour(0x12, 0x34, 0x56), 0x563412u);
    // Components are taken to whole numbers first, halves to even.
    EXPECT_EQ(drawingColour(2.5, 3.5, 0), 0x000402u);
}

TEST(EditorState, StartsAsTheProgramStarts)
{
    EditorState s;
    EXPECT_EQ(s.historyPosition[3], 0); // empty reads as slot 0
    EXPECT_FALSE(s.mirrorHorizontal);
    applyStartValues(s);
    EXPECT_EQ(s.toolMode, Tool::Freehand);
    EXPECT_EQ(s.gridStep, 1);
    EXPECT_EQ(s.lineWidth, 5);
    EXPECT_EQ(s.dotRadius, 50);
    EXPECT_EQ(s.gridSizeIndex, 5);
    EXPECT_TRUE(s.mirrorVertical);
    EXPECT_FALSE(s.mirrorHorizontal);
    EXPECT_FALSE(s.mirrorCentral);
    EXPECT_EQ(s.colour(), kBlack);
    EXPECT_EQ(s.eraserHalfSize, 0);
    EXPECT_DOUBLE_EQ(s.piValue, 3.14159265358979323846);
}

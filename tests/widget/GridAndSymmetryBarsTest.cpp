// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "app/MainWindow.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

// The grid-size, symmetry and construction bars on the real window. A
// 15360 x 11520-twip screen gives a canvas control of 14115 x 10610 twips,
// shown as 941 x 707 pixels of 15 twips.
namespace {

class OptionBarsTest : public ::testing::Test
{
  protected:
    void SetUp() override { window.show(); }

    void gesture(QPoint from, QPoint to)
    {
        window.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasMoved(1, 0, float(to.x() * 15), float(to.y() * 15));
        window.canvasReleased(1, 0, float(to.x() * 15), float(to.y() * 15));
    }

    QImage canvas() { return window.canvas().persistentImage().copy(); }

    // Multiples of 50 twips fall on pixels 0, 3, 7, 10, 13, 17, ...: three in
    // every ten.
    static bool onFiftyTwipGrid(int pixel)
    {
        const int r = pixel % 10;
        return r == 0 || r == 3 || r == 7;
    }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

// ---- Grid size ----

TEST_F(OptionBarsTest, AGridOfThreeHundredPutsTheAxesOnTheGrid)
{
    window.gridSizeClicked(5);
    EXPECT_EQ(window.state().gridStep, 300);
    // 7058 div 300 = 23, 23 * 300 = 6900; 5305 div 300 = 17, 17 * 300 = 5100.
    EXPECT_EQ(window.state().mirrorAxisX, 6900);
    EXPECT_EQ(window.state().mirrorAxisY, 5100);
    EXPECT_EQ(window.state().gridSizeIndex, 5);
    EXPECT_EQ(window.gridSizeBar[5]->backColor(), kGreen);
}

TEST_F(OptionBarsTest, GridOfFiftyReplacesTheStartUpPictureWithDotsToBothEdges)
{
    window.gridSizeClicked(0);
    const QImage shown = canvas();
    // Columns x = 0 .. 14100 twips (283 of them, the last on pixel 940, the
    // canvas's last column); rows y = 0 .. 10550 twips (212, the last on
    // pixel 703; 10600 twips would be pixel 707, past the edge).
    int dots = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const Colour c = pixelAt(shown, x, y);
            if (c == kWhite)
                continue;
            ASSERT_EQ(c, kBlack) << x << "," << y;
            ASSERT_TRUE(onFiftyTwipGrid(x) && onFiftyTwipGrid(y)) << "ink off the grid at " << x << "," << y;
            ++dots;
        }
    EXPECT_EQ(dots, 283 * 212);
    EXPECT_EQ(pixelAt(shown, 940, 703), kBlack);
    EXPECT_EQ(pixelAt(shown, 0, 0), kBlack);
    EXPECT_EQ(window.canvas().drawWidth(), 1);
    EXPECT_FALSE(window.canvas().autoRedraw());
}

TEST_F(OptionBarsTest, AnotherGridSizeTakesAwayTheEarlierDots)
{
    window.gridSizeClicked(0);
    window.gridSizeClicked(7);
    const QImage shown = canvas();
    // Every 400 twips: x = 0 .. 14000 (36 columns), y = 0 .. 10400 (27 rows).
    EXPECT_EQ(countPixels(shown, kBlack), 36 * 27);
    EXPECT_EQ(pixelAt(shown, 3, 0), kWhite) << "a dot of the 50-twip grid";
    EXPECT_EQ(pixelAt(shown, 27, 27), kBlack) << "400 twips is 26 2/3 pixels";
    EXPECT_EQ(window.gridSizeBar[0]->backColor(), kWhite);
    EXPECT_EQ(window.gridSizeBar[7]->backColor(), kGreen);
}

TEST_F(OptionBarsTest, GridDotsNeverReachThePage)
{
    window.pageClicked(0);
    window.mainBarClicked(2); // line tool
    gesture(QPoint(100, 100), QPoint(300, 180));
    const QImage pageBefore = window.page(0).persistentImage().copy();

    window.gridSizeClicked(2);
    EXPECT_EQ(firstDifference(window.page(0).persistentImage(), pageBefore), QPoint(-1, -1));
    EXPECT_EQ(pixelAt(canvas(), 500, 500), kBlack) << "a dot every 150 twips, 10 pixels";
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 500, 500), kWhite);

    // A figure drawn over the grid goes to the page without the dots.
    gesture(QPoint(600, 300), QPoint(700, 300));
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(pixelAt(page, 650, 300), kBlack);
    EXPECT_EQ(pixelAt(page, 500, 500), kWhite);

    // Switching pages reloads the canvas from the page: the dots are gone.
    window.pageClicked(1);
    window.pageClicked(0);
    EXPECT_EQ(firstDifference(canvas(), page), QPoint(-1, -1));
    EXPECT_EQ(pixelAt(canvas(), 500, 500), kWhite);
}

TEST_F(OptionBarsTest, AGridChoiceTurnsSnappingOnAndTheSnapButtonKeepsIt)
{
    window.gridSizeBar[1]->click(); // 100 twips
    EXPECT_EQ(window.state().gridStep, 100);
    window.canvasMoved(0, 0, 1249, 2351);
    EXPECT_EQ(window.state().pointerX, 1200);
    EXPECT_EQ(window.state().pointerY, 2300);
    window.mainBarClicked(6); // snapping off
    EXPECT_EQ(window.state().gridStep, 1);
    window.mainBarClicked(5); // snapping on again, at the chosen size
    EXPECT_EQ(window.state().gridStep, 100);
}

// ---- Symmetry ----

TEST_F(OptionBarsTest, ClickingTheVerticalMirrorTwiceGivesBackItsState)
{
    ASSERT_TRUE(window.state().mirrorVertical);
    window.symmetryClicked(1);
    EXPECT_FALSE(window.state().mirrorVertical);
    EXPECT_EQ(window.symmetryBar[1]->backColor(), kWhite);
    window.symmetryBar[1]->click();
    EXPECT_TRUE(window.state().mirrorVertical);
    EXPECT_EQ(window.symmetryBar[1]->backColor(), kGreen);
}

TEST_F(OptionBarsTest, ButtonZeroTurnsEveryMirrorOffAndStaysGreen)
{
    window.symmetryClicked(2);
    window.symmetryClicked(3);
    window.symmetryClicked(0);
    EXPECT_FALSE(window.state().mirrorVertical);
    EXPECT_FALSE(window.state().mirrorHorizontal);
    EXPECT_FALSE(window.state().mirrorCentral);
    EXPECT_EQ(window.symmetryBar[0]->backColor(), kGreen);
    for (size_t j = 1; j <= 3; ++j)
        EXPECT_EQ(window.symmetryBar[j]->backColor(), kWhite) << j;

    window.symmetryClicked(2);
    EXPECT_TRUE(window.state().mirrorHorizontal);
    EXPECT_EQ(window.symmetryBar[0]->backColor(), kGreen)
        << "turning a mirror on again leaves button 0 green";
}

TEST_F(OptionBarsTest, WithEveryMirrorOffALineHasNoCopy)
{
    window.pageClicked(0);
    window.mainBarClicked(2);
    window.symmetryClicked(0);
    gesture(QPoint(100, 100), QPoint(200, 100));
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(pixelAt(page, 150, 100), kBlack);
    // The vertical image would lie at 2 * 7058 - 2250 = 11866 twips, pixel 791.
    EXPECT_EQ(countPixels(page, kBlack, QRect(700, 90, 241, 21)), 0);

    // The central mirror alone: the point reflection through the axes'
    // crossing, (11866, 2 * 5305 - 1500 = 9110) twips, pixel (791, 607).
    window.symmetryClicked(3);
    gesture(QPoint(100, 100), QPoint(200, 100));
    const QImage mirrored = window.page(0).persistentImage();
    EXPECT_EQ(pixelAt(mirrored, 791, 607), kBlack);
    EXPECT_EQ(countPixels(mirrored, kBlack, QRect(700, 90, 241, 21)), 0) << "no vertical copy";
}

// ---- Construction choices ----

TEST_F(OptionBarsTest, MethodAndCurveButtonsStoreTheirIndexAndChangeNothingElse)
{
    const QImage before = canvas();
    const Colour methodColour = window.optionBars().polygonMethodBar[2]->backColor();
    const Colour curveColour = window.optionBars().curveBar[4]->backColor();
    window.optionBars().polygonMethodBar[2]->click();
    window.optionBars().curveBar[4]->click();
    EXPECT_EQ(window.state().polygonMethod, 2);
    EXPECT_EQ(window.state().curveSubMode, 4);
    EXPECT_EQ(window.state().toolMode, Tool::Freehand) << "the tool stays";
    EXPECT_EQ(window.optionBars().polygonMethodBar[2]->backColor(), methodColour)
        << "the choice is not marked";
    EXPECT_EQ(window.optionBars().curveBar[4]->backColor(), curveColour);
    EXPECT_EQ(firstDifference(canvas(), before), QPoint(-1, -1));
    window.curveModeClicked(0);
    window.polygonMethodClicked(1);
    EXPECT_EQ(window.state().curveSubMode, 0);
    EXPECT_EQ(window.state().polygonMethod, 1);
}

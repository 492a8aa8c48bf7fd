// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "app/MainWindow.h"
#include "support/SurfaceCompare.h"

// The circle tool on the real window: a 15360 x 11520-twip screen gives a
// canvas of 14115 x 10610 twips (941 x 707 pixels) whose mirror axes start at
// x = 7058 and y = 5305 twips, pixel 470.5 and 353.7.
namespace {

constexpr Colour kRed = 0x0000FF;

class CurveToolTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.show();
        window.mainBarClicked(8); // the circle tool
        window.state().colourRed = 255;
    }

    void moveTo(QPoint p, int button) { window.canvasMoved(button, 0, float(p.x() * 15), float(p.y() * 15)); }

    // Press at `from`, drag through the midpoint to `to`, all in pixels of the
    // canvas; the release is left to the test.
    void dragTo(QPoint from, QPoint to)
    {
        moveTo(from, 0);
        window.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        moveTo((from + to) / 2, 1);
        moveTo(to, 1);
    }
    void release(QPoint at) { window.canvasReleased(1, 0, float(at.x() * 15), float(at.y() * 15)); }

    void allMirrorsOn()
    {
        window.symmetryClicked(2);
        window.symmetryClicked(3);
        ASSERT_TRUE(window.state().mirrorVertical);
        ASSERT_TRUE(window.state().mirrorHorizontal);
        ASSERT_TRUE(window.state().mirrorCentral);
    }

    bool redNear(const QImage& image, QPoint p)
    {
        return countPixels(image, kRed, QRect(p - QPoint(2, 2), QSize(5, 5))) > 0;
    }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

// The four quarters of the canvas between the axes, a few pixels clear of them.
const QRect kQuarters[4] = {QRect(0, 0, 466, 349), QRect(475, 0, 466, 349), QRect(0, 358, 466, 349),
                            QRect(475, 358, 466, 349)};

} // namespace

TEST_F(CurveToolTest, EveryConstructionCommitsExactlyWhatItsLastRubberBandShowed)
{
    allMirrorsOn();
    const QPoint anchor(150, 120);
    for (int subMode = 0; subMode < 6; ++subMode) {
        SCOPED_TRACE(subMode);
        window.pageClicked(subMode + 1); // a blank page each time
        window.curveModeClicked(subMode);
        // Right of the anchor and up for even sub-modes, left and down for odd:
        // 100 pixels from the anchor either way.
        const QPoint pointer = anchor + (subMode % 2 == 0 ? QPoint(80, -60) : QPoint(-80, 60));
        dragTo(anchor, pointer);
        const QImage preview = window.canvas().screen().copy();
        release(pointer);
        const QImage committed = window.canvas().persistentImage();

        EXPECT_EQ(firstDifference(window.page(subMode + 1).persistentImage(), committed), QPoint(-1, -1))
            << "the page holds what the canvas shows";
        // The figure and its three copies, one in each quarter.
        for (const QRect& quarter : kQuarters)
            EXPECT_GT(countPixels(committed, kRed, quarter), 40) << "nothing committed in a quarter";
        // The preview differs from the commit only by the crosshair, black on
        // white around the pointer.
        const QRect crosshair(pointer - QPoint(9, 9), QSize(19, 19));
        int crosshairPixels = 0;
        for (int y = 0; y < committed.height(); ++y)
            for (int x = 0; x < committed.width(); ++x) {
                if (pixelAt(preview, x, y) == pixelAt(committed, x, y))
                    continue;
                ASSERT_TRUE(crosshair.contains(x, y)) << "preview and commit differ at " << x << "," << y;
                ASSERT_EQ(pixelAt(preview, x, y), kBlack);
                ASSERT_EQ(pixelAt(committed, x, y), kWhite);
                ++crosshairPixels;
            }
        EXPECT_GT(crosshairPixels, 0) << "the crosshair was seen in the preview only";
    }
}

TEST_F(CurveToolTest, AnUpperQuarterToTheRightHasItsVerticalCopyFacingLeft)
{
    window.pageClicked(0);
    window.curveModeClicked(2);
    // Anchor (3000, 3000) twips, pointer 600 right and 795 up: radius
    // sqrt(600^2 + 795^2) = 996 twips, 66.4 pixels. The copy is centred at
    // 2 * 7058 - 3000 = 11116 twips, pixel 741.
    dragTo(QPoint(200, 200), QPoint(240, 147));
    release(QPoint(240, 147));
    const QImage page = window.page(0).persistentImage();
    EXPECT_TRUE(redNear(page, {267, 200})) << "0 rad: right of the anchor";
    EXPECT_TRUE(redNear(page, {200, 133})) << "pi/2: above the anchor";
    EXPECT_TRUE(redNear(page, {247, 153})) << "pi/4";
    EXPECT_FALSE(redNear(page, {133, 200})) << "pi: left of the anchor";
    EXPECT_FALSE(redNear(page, {200, 267})) << "3 pi/2: below";
    EXPECT_TRUE(redNear(page, {674, 200})) << "copy: left of its centre";
    EXPECT_TRUE(redNear(page, {741, 133})) << "copy: above its centre";
    EXPECT_FALSE(redNear(page, {808, 200})) << "copy: nothing right of its centre";
    EXPECT_FALSE(redNear(page, {741, 267})) << "copy: nothing below";
}

TEST_F(CurveToolTest, AFullCircleReleasedWithoutAMoveTakesTheRadiusOfTheLastRubberBand)
{
    window.pageClicked(0);
    window.symmetryClicked(0);
    window.curveModeClicked(0);
    // 300 and 400 twips: radius 500 twips (33.3 pixels), stored by the preview.
    window.canvasMoved(0, 0, 1500, 1500);
    window.canvasPressed(1, 0, 1500, 1500);
    window.canvasMoved(1, 0, 1800, 1900);
    window.canvasReleased(1, 0, 1800, 1900);
    EXPECT_EQ(window.state().circleRadius, 500);

    // A press and release at (6000, 3000) with no move in between.
    window.canvasMoved(0, 0, 6000, 3000);
    window.canvasPressed(1, 0, 6000, 3000);
    window.canvasReleased(1, 0, 6000, 3000);
    const QImage page = window.page(0).persistentImage();
    EXPECT_TRUE(redNear(page, {433, 200})) << "500 twips right of the second anchor";
    EXPECT_TRUE(redNear(page, {400, 233})) << "500 twips below it";
    EXPECT_FALSE(redNear(page, {400, 200})) << "the circle is hollow";
}

TEST_F(CurveToolTest, AnEllipseFillsTheBoxOfTheDrag)
{
    window.pageClicked(0);
    window.symmetryClicked(0);
    window.curveModeClicked(1);
    // From (100, 100) to (300, 200) pixels: centre (200, 150), semi-axes 100 and 50.
    dragTo(QPoint(100, 100), QPoint(300, 200));
    release(QPoint(300, 200));
    const QImage page = window.page(0).persistentImage();
    for (QPoint p : {QPoint(100, 150), QPoint(300, 150), QPoint(200, 100), QPoint(200, 200)})
        EXPECT_TRUE(redNear(page, p)) << "touches the box at " << p.x() << "," << p.y();
    EXPECT_FALSE(redNear(page, {200, 150}));
    EXPECT_FALSE(redNear(page, {100, 100})) << "not the box's corner";
    EXPECT_EQ(countPixels(page, kRed, QRect(0, 0, 941, 95)), 0) << "nothing above the box";
}

TEST_F(CurveToolTest, ASubModeOutsideTheSixDrawsAndCommitsNothing)
{
    window.pageClicked(0);
    window.curveModeClicked(6);
    dragTo(QPoint(100, 100), QPoint(200, 180));
    EXPECT_EQ(countPixels(window.canvas().screen(), kRed), 0);
    release(QPoint(200, 180));
    EXPECT_EQ(countPixels(window.page(0).persistentImage(), kRed), 0);
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kRed), 0);
}

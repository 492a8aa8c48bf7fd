// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "e2e/XServer.h"
#include "options/PaletteStrip.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

// The circle tool and the grid, driven with the mouse. On a 1280 x 1024 screen
// at 96 dpi (15 twips to the pixel) the canvas lies at (78, 30), 1197 x 963
// pixels, and its vertical mirror axis at 8978 twips: a canvas pixel a has its
// image at 1197 - a. Where the buttons are is read from a window laid out for
// the same screen in this process.
namespace {

constexpr QPoint kPalette(80, 8);
constexpr QPoint kCanvas(78, 30);

class CurveAndGridProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
        session.waitForFirstPaint();
    }

    void click(const QWidget* button)
    {
        session.moveTo(button->geometry().center());
        session.xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }
    // A drag on the canvas through points given in canvas pixels.
    void drag(const QList<QPoint>& points)
    {
        QList<QPoint> onScreen;
        for (QPoint p : points)
            onScreen.append(kCanvas + p);
        session.drag(onScreen);
    }

    // Black within three pixels of a canvas point.
    static bool inked(const QImage& shot, QPoint p)
    {
        return countPixels(shot, kBlack, QRect(kCanvas + p - QPoint(3, 3), QSize(7, 7))) > 0;
    }
    static Colour at(const QImage& shot, QPoint p)
    {
        return pixelAt(shot, kCanvas.x() + p.x(), kCanvas.y() + p.y());
    }
    static QPoint mirror(QPoint p) { return QPoint(1197 - p.x(), p.y()); }

    XSession session;
    MainWindow layout{QSizeF(19200, 15360), 15.0};
};

// Where a construction is dragged and which canvas points its committed figure
// and its vertical image must, and must not, cover.
struct Construction
{
    QPoint anchor;
    QPoint pointer;
    QList<QPoint> drawn;
    QList<QPoint> blank;
    QList<QPoint> imageDrawn; // relative to the image of the anchor
    QList<QPoint> imageBlank;
};

} // namespace

TEST_F(CurveAndGridProgramTest, EachCircleConstructionCommitsItsFigureAndItsMirrorImage)
{
    // Radius 100 pixels (1500 twips) unless said otherwise.
    const Construction constructions[6] = {
        // Full circle, the pointer 60 right and 80 down.
        {{150, 150}, {210, 230}, {{50, 150}, {150, 50}}, {{150, 150}}, {{100, 0}, {0, -100}}, {{0, 0}}},
        // Ellipse in the box to (510, 230): centre (430, 190), semi-axes 80
        // and 40. The image of the anchor is the box's right corner, so the
        // image's centre lies 80 left and 40 down from it.
        {{350, 150},
         {510, 230},
         {{350, 190}, {430, 150}, {430, 230}},
         {{430, 190}},
         {{0, 40}, {-80, 0}, {-160, 40}},
         {{-80, 40}}},
        // Upper quarter, pointer to the right: 0 to pi/2; its image faces left.
        {{150, 450},
         {210, 370},
         {{250, 450}, {150, 350}, {221, 379}},
         {{50, 450}, {150, 550}},
         {{-100, 0}, {0, -100}},
         {{100, 0}, {0, 100}}},
        // Lower quarter, pointer to the right: 3 pi/2 to 2 pi; its image faces left.
        {{400, 450},
         {460, 530},
         {{500, 450}, {400, 550}},
         {{300, 450}, {400, 350}},
         {{-100, 0}, {0, 100}},
         {{100, 0}, {0, -100}}},
        // Half, pointer to the left: the lower half, and so is its image.
        {{150, 750}, {90, 830}, {{50, 750}, {250, 750}, {150, 850}}, {{150, 650}}, {{0, 100}}, {{0, -100}}},
        // Side half, pointer 100 to the left: the left half; its image is the right half.
        {{400, 750}, {300, 790}, {{300, 750}, {400, 650}, {400, 850}}, {{500, 750}}, {{100, 0}}, {{-100, 0}}},
    };

    click(layout.pageButtons[0]); // page 1, without the start-up picture
    click(layout.mainBarButton(8));
    for (int i = 0; i < 6; ++i) {
        const Construction& c = constructions[i];
        click(layout.optionBars().curveBar[size_t(i)]);
        drag({c.anchor, (c.anchor + c.pointer) / 2, c.pointer});
    }
    // A move without a button wipes the last rubber band and crosshair; what
    // stays was committed.
    session.moveTo(kCanvas + QPoint(600, 940));
    const QPoint last = mirror(constructions[5].anchor) + constructions[5].imageDrawn.first();
    const QImage shot = session.screenshotWhen([&](const QImage& s) { return inked(s, last); });

    for (int i = 0; i < 6; ++i) {
        const Construction& c = constructions[i];
        for (QPoint p : c.drawn)
            EXPECT_TRUE(inked(shot, p)) << "sub-mode " << i << ": nothing at " << p.x() << "," << p.y();
        for (QPoint p : c.blank)
            EXPECT_FALSE(inked(shot, p)) << "sub-mode " << i << ": ink at " << p.x() << "," << p.y();
        for (QPoint d : c.imageDrawn) {
            const QPoint p = mirror(c.anchor) + d;
            EXPECT_TRUE(inked(shot, p)) << "sub-mode " << i << ": image missing at " << p.x() << "," << p.y();
        }
        for (QPoint d : c.imageBlank) {
            const QPoint p = mirror(c.anchor) + d;
            EXPECT_FALSE(inked(shot, p))
                << "sub-mode " << i << ": stray image ink at " << p.x() << "," << p.y();
        }
    }
    EXPECT_TRUE(session.programRunning());
}

TEST_F(CurveAndGridProgramTest, AGridPutsDotsOnTheCanvasAndALineThenRunsFromGridPointToGridPoint)
{
    click(layout.gridSizeBar[2]); // 150 twips: a dot every 10 pixels
    QImage shot = session.screenshotWhen([&](const QImage& s) { return at(s, {500, 800}) == kBlack; });
    for (QPoint p : {QPoint(0, 0), QPoint(500, 800), QPoint(1190, 960), QPoint(710, 20)})
        EXPECT_EQ(at(shot, p), kBlack) << "no dot at " << p.x() << "," << p.y();
    for (QPoint p : {QPoint(505, 805), QPoint(1195, 960), QPoint(500, 804)})
        EXPECT_EQ(at(shot, p), kWhite) << "ink off the grid at " << p.x() << "," << p.y();
    // Where the start-up picture was, only the dots: x = 110 .. 290 and
    // y = 60 .. 190, 19 by 14 of them, in the area from (101, 51) to (299, 199).
    const QRect title(kCanvas + QPoint(101, 51), QSize(199, 149));
    EXPECT_EQ(countPixels(shot, kBlack, title), 19 * 14);
    EXPECT_EQ(countPixels(shot, kWhite, title), 199 * 149 - 19 * 14);

    // The press at (208, 302) snaps to (200, 300) and the end at (349, 441)
    // to (340, 440): 3120 and 4530 twips go down to 3000 and 4500, 5235 and
    // 6615 to 5100 and 6600. The axis, snapped too, is at 8850 twips, so the
    // image runs from (980, 300) to (840, 440).
    click(layout.mainBarButton(2));
    drag({{208, 302}, {280, 370}, {349, 441}});
    session.moveTo(kCanvas + QPoint(600, 900));
    shot = session.screenshotWhen([&](const QImage& s) { return at(s, {841, 439}) == kBlack; });

    for (QPoint p : {QPoint(201, 301), QPoint(255, 355), QPoint(339, 439)})
        EXPECT_EQ(at(shot, p), kBlack) << "line missing at " << p.x() << "," << p.y();
    // Four pixels past either end along the diagonal, and the raw end points.
    for (QPoint p : {QPoint(197, 297), QPoint(343, 443), QPoint(349, 441), QPoint(208, 302)})
        EXPECT_EQ(at(shot, p), kWhite) << "line reaches " << p.x() << "," << p.y();
    for (QPoint p : {QPoint(979, 301), QPoint(841, 439)})
        EXPECT_EQ(at(shot, p), kBlack) << "image missing at " << p.x() << "," << p.y();
    for (QPoint p : {QPoint(983, 297), QPoint(837, 443)})
        EXPECT_EQ(at(shot, p), kWhite) << "image reaches " << p.x() << "," << p.y();
    EXPECT_TRUE(session.programRunning());
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "app/Artwork.h"
#include "e2e/XServer.h"
#include "options/PaletteStrip.h"
#include "support/SurfaceCompare.h"

// On a 1280 x 1024 screen at 96 dpi (15 twips to the pixel) the layout puts
// the palette strip at (80, 8) and the canvas at (78, 30), 1197 x 963 pixels.
namespace {

constexpr QPoint kPalette(80, 8);
constexpr QPoint kCanvas(78, 30);

class ProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
        // Wait for the first paint: the palette's red swatch shows.
        session.waitForFirstPaint();
    }

    static bool inked(const QImage& shot, QPoint at)
    {
        return countPixels(shot, kBlack, QRect(at - QPoint(3, 3), QSize(7, 7))) > 0;
    }

    XSession session;
};

} // namespace

TEST_F(ProgramTest, TheWindowCoversTheScreenWithPaletteAndCanvasWhereTheLayoutPutsThem)
{
    EXPECT_EQ(session.windowGeometry(), QRect(0, 0, 1280, 1024));
    const QImage shot = session.screenshot();
    ASSERT_EQ(shot.size(), QSize(1280, 1024));

    const auto& colours = PaletteStrip::colours();
    for (int i : {2, 4, 6, 22, 39, 43}) {
        const QPoint p = kPalette + PaletteStrip::swatchCentre(i);
        EXPECT_EQ(pixelAt(shot, p.x(), p.y()), colours[size_t(i)]) << "swatch " << i;
    }
    // The canvas shows the start-up picture at its top-left corner, white beyond it.
    const QImage start = Artwork::startupPicture();
    int same = 0, total = 0;
    for (int y = 0; y < 535; y += 7)
        for (int x = 0; x < 713; x += 7) {
            ++total;
            same += pixelAt(shot, kCanvas.x() + x, kCanvas.y() + y) == pixelAt(start, x, y);
        }
    EXPECT_GT(same, total * 95 / 100);
    EXPECT_EQ(pixelAt(shot, kCanvas.x() + 1100, kCanvas.y() + 900), kWhite);
    // The page buttons' row lies under the canvas.
    EXPECT_EQ(pixelAt(shot, kCanvas.x() + 3, 1024 - 20), kBlue) << "the first page button's blue face";
}

TEST_F(ProgramTest, AFreehandDragDrawsTheStrokeAndItsMirrorImage)
{
    // The vertical axis is at 8978 twips, 598.5 pixels into the canvas.
    session.drag({kCanvas + QPoint(200, 600), kCanvas + QPoint(250, 620), kCanvas + QPoint(300, 650),
                  kCanvas + QPoint(320, 700)});
    session.moveTo(QPoint(5, 1000)); // take the crosshair away
    const QPoint last = kCanvas + QPoint(1197 - 300, 650);
    const QImage shot = session.screenshotWhen([&](const QImage& s) { return inked(s, last); });
    for (QPoint p : {QPoint(250, 620), QPoint(300, 650)}) {
        const QPoint drawn = kCanvas + p;
        const QPoint image = kCanvas + QPoint(1197 - p.x(), p.y());
        EXPECT_EQ(countPixels(shot, kBlack, QRect(drawn - QPoint(2, 2), QSize(5, 5))) > 0, true)
            << "stroke missing at " << p.x() << "," << p.y();
        EXPECT_EQ(countPixels(shot, kBlack, QRect(image - QPoint(2, 2), QSize(5, 5))) > 0, true)
            << "mirror image missing at " << image.x() << "," << image.y();
    }
    EXPECT_EQ(countPixels(shot, kBlack, QRect(kCanvas + QPoint(600, 300), QSize(50, 50))), 0);
    EXPECT_TRUE(session.programRunning());
}

TEST_F(ProgramTest, PageButtonsSwitchPagesAndTheStartUpPictureBelongsToTheCanvasOnly)
{
    // Page buttons are 25 pixels apart on the row at y = 995.
    auto pageButton = [](int i) { return QPoint(78 + 25 * i + 12, 995 + 12); };
    auto click = [&](QPoint p) {
        session.moveTo(p);
        session.xdotool({QStringLiteral("click"), QStringLiteral("1")});
    };
    const QPoint strokeAt = kCanvas + QPoint(150, 800);
    session.drag({strokeAt - QPoint(40, 0), strokeAt, strokeAt + QPoint(40, 0)});

    ASSERT_TRUE(inked(session.screenshotWhen([&](const QImage& s) { return inked(s, strokeAt); }), strokeAt));
    click(pageButton(1));
    QImage shot = session.screenshotWhen([&](const QImage& s) { return !inked(s, strokeAt); });
    EXPECT_EQ(countPixels(shot, kBlack, QRect(strokeAt - QPoint(3, 3), QSize(7, 7))), 0)
        << "page 2 is not blank";
    EXPECT_EQ(pixelAt(shot, pageButton(1).x(), pageButton(1).y() - 8), kBlue)
        << "page 2's button is not blue";

    click(pageButton(0));
    shot = session.screenshotWhen([&](const QImage& s) { return inked(s, strokeAt); });
    EXPECT_GT(countPixels(shot, kBlack, QRect(strokeAt - QPoint(3, 3), QSize(7, 7))), 0)
        << "page 1 lost its stroke";
    // The start-up picture is gone: the title's red letter L is white now.
    const QImage start = Artwork::startupPicture();
    int picturePixels = 0;
    for (int y = 60; y < 200; y += 5)
        for (int x = 140; x < 640; x += 5)
            if (pixelAt(start, x, y) != kWhite)
                picturePixels += pixelAt(shot, kCanvas.x() + x, kCanvas.y() + y) == pixelAt(start, x, y);
    EXPECT_EQ(picturePixels, 0);
}

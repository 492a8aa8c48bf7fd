// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QThread>

#include "app/Captions.h"
#include "e2e/XServer.h"
#include "options/PaletteStrip.h"
#include "support/SurfaceCompare.h"

// On a 1280 x 1024 screen at 96 dpi (15 twips to the pixel) the layout puts
// the palette strip at (80, 8), the canvas at (78, 30), 1197 x 963 pixels, and
// the option bars on the page-button row at y = 995, the width bar starting
// at 5545 twips with buttons 375 twips wide. The vertical mirror is on, so
// every figure also appears about x = 598.5 of the canvas.
namespace {

constexpr QPoint kPalette(80, 8);
constexpr QPoint kCanvas(78, 30);
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreenInk = 0x00FF00;

QPoint widthButton(int index)
{
    return QPoint((5545 + 375 * index + 187) / 15, (14925 + 187) / 15);
}

class OptionsAndTextTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
        session.waitForFirstPaint();
    }

    void click(QPoint p) const { session.click(p); }

    // Takes the crosshair far from where the tests look, still on the canvas.
    void parkPointer() const { session.moveTo(kCanvas + QPoint(1150, 930)); }

    XSession session;
};

} // namespace

TEST_F(OptionsAndTextTest, APalettePickThenALineGivesALineOfThatColour)
{
    click(kPalette + PaletteStrip::swatchCentre(2));
    click(XSession::mainBarButton(2));
    session.drag({kCanvas + QPoint(100, 700), kCanvas + QPoint(200, 700), kCanvas + QPoint(300, 700)});
    parkPointer();
    const QRect along(kCanvas + QPoint(130, 697), QSize(140, 7));
    const QImage shot =
        session.screenshotWhen([&](const QImage& s) { return countPixels(s, kRed, along) > 0; });
    EXPECT_GE(countPixels(shot, kRed, along), 140 * 5) << "a red line of width 5";
    EXPECT_EQ(countPixels(shot, kBlack, along), 0);
    const QRect mirrored(kCanvas + QPoint(1197 - 270, 697), QSize(140, 7));
    EXPECT_GE(countPixels(shot, kRed, mirrored), 140 * 5);
}

TEST_F(OptionsAndTextTest, AWidthButtonThenALineGivesALineOfThatWidth)
{
    click(XSession::mainBarButton(2));
    click(widthButton(13));
    session.drag({kCanvas + QPoint(100, 800), kCanvas + QPoint(200, 800), kCanvas + QPoint(300, 800)});
    parkPointer();
    const QPoint middle = kCanvas + QPoint(200, 800);
    const QImage shot = session.screenshotWhen(
        [&](const QImage& s) { return countPixels(s, kBlack, QRect(middle, QSize(1, 1))) > 0; });
    // The column through the line's middle crosses 14 black pixels.
    const int thickness = countPixels(shot, kBlack, QRect(middle - QPoint(0, 30), QSize(1, 61)));
    EXPECT_GE(thickness, 13);
    EXPECT_LE(thickness, 15);
}

TEST_F(OptionsAndTextTest, ThePaintBucketFillsABoxDrawnBefore)
{
    click(XSession::mainBarButton(10));
    session.drag({kCanvas + QPoint(100, 600), kCanvas + QPoint(200, 700), kCanvas + QPoint(300, 850)});
    click(kPalette + PaletteStrip::swatchCentre(4)); // green
    click(XSession::mainBarButton(11));
    click(kCanvas + QPoint(200, 725));
    parkPointer();
    const QPoint inside = kCanvas + QPoint(150, 650);
    const QImage shot = session.screenshotWhen(
        [&](const QImage& s) { return pixelAt(s, inside.x(), inside.y()) == kGreenInk; });
    const QRect interior(kCanvas + QPoint(110, 610), QSize(181, 231));
    EXPECT_EQ(countPixels(shot, kGreenInk, interior), interior.width() * interior.height());
    EXPECT_EQ(pixelAt(shot, kCanvas.x() + 50, kCanvas.y() + 900), kWhite) << "the fill leaked out of the box";
    EXPECT_EQ(pixelAt(shot, kCanvas.x() + 1197 - 200, kCanvas.y() + 725), kWhite)
        << "the mirrored box is a region of its own";
}

TEST_F(OptionsAndTextTest, TheTextToolWritesTypedTextWhereTheSecondClickWas)
{
    click(XSession::mainBarButton(16));
    click(kCanvas + QPoint(200, 650));
    session.xdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("Hola")});
    click(kCanvas + QPoint(400, 800));
    parkPointer();
    const QRect written(kCanvas + QPoint(400, 800), QSize(80, 40));
    const QImage shot =
        session.screenshotWhen([&](const QImage& s) { return countPixels(s, kBlack, written) > 40; });
    EXPECT_GT(countPixels(shot, kBlack, written), 40) << "no text at the second click";
    EXPECT_EQ(countPixels(shot, kBlack, QRect(kCanvas + QPoint(400, 770), QSize(80, 29))), 0)
        << "text above the click point";
    // Neither the first click nor the preview label left anything behind.
    EXPECT_EQ(countPixels(shot, kBlack, QRect(kCanvas + QPoint(180, 620), QSize(160, 70))), 0);
}

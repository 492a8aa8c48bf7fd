// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QLabel>
#include <QtTest/QTest>

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PaletteStrip.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;

class PenOptionsTest : public ::testing::Test
{
  protected:
    void SetUp() override { window.show(); }

    // A press on the palette strip's widget at pixel p of the strip.
    void pressPalette(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(window.paletteView(), button, Qt::NoModifier, p);
        QTest::mouseRelease(window.paletteView(), button, Qt::NoModifier, p);
    }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(PenOptionsTest, WidthButton13SetsFourteenEverywhereAndTurnsThePreviousGreenButtonWhite)
{
    window.optionBars().widthBar[3]->click();
    EXPECT_EQ(window.optionBars().widthBar[3]->backColor(), kGreen);
    EXPECT_EQ(window.state().lineWidth, 4);

    window.optionBars().widthBar[13]->click();
    EXPECT_EQ(window.state().lineWidth, 14);
    EXPECT_EQ(window.canvas().drawWidth(), 14);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.page(i).drawWidth(), 14) << "page " << i;
    EXPECT_EQ(window.optionBars().widthBar[13]->backColor(), kGreen);
    EXPECT_EQ(window.optionBars().widthBar[3]->backColor(), kWhite);
    // Buttons never chosen keep the colour they started with.
    for (size_t i : {0, 1, 2, 4, 12})
        EXPECT_EQ(window.optionBars().widthBar[i]->backColor(), PictureButton::kSystemColour) << i;
}

TEST_F(PenOptionsTest, TheSameWidthButtonTwiceStaysGreen)
{
    window.optionBars().widthBar[0]->click();
    window.optionBars().widthBar[0]->click();
    EXPECT_EQ(window.optionBars().widthBar[0]->backColor(), kGreen);
    EXPECT_EQ(window.state().lineWidth, 1);
    EXPECT_EQ(window.page(7).drawWidth(), 1);
    int green = 0;
    for (auto* b : window.optionBars().widthBar)
        green += b->backColor() == kGreen;
    EXPECT_EQ(green, 1);
}

TEST_F(PenOptionsTest, EraserButtonsGiveHalfSizes20To145)
{
    EXPECT_EQ(window.state().eraserHalfSize, 0) << "before any choice";
    const int expected[6] = {20, 45, 70, 95, 120, 145};
    for (int i = 0; i < 6; ++i) {
        window.optionBars().eraserBar[size_t(i)]->click();
        EXPECT_EQ(window.state().eraserHalfSize, expected[i]) << "button " << i;
        EXPECT_NE(window.optionBars().eraserBar[size_t(i)]->backColor(), kGreen)
            << "no eraser button is marked";
    }
}

TEST_F(PenOptionsTest, APatternButtonSetsTheFillStyleOnTheCanvasAndEveryPage)
{
    window.optionBars().fillPatternBar[5]->click();
    EXPECT_EQ(window.state().fillPattern, 5);
    EXPECT_EQ(window.canvas().fillStyle(), 5);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.page(i).fillStyle(), 5) << "page " << i;
    window.optionBars().fillPatternBar[0]->click();
    EXPECT_EQ(window.page(9).fillStyle(), 0);
}

TEST_F(PenOptionsTest, APalettePickChangesOnlyTheCurrentPagesColours)
{
    window.pageClicked(2);
    const Colour otherFill = window.page(5).fillColor();
    const Colour otherFore = window.page(5).foreColor();
    ASSERT_NE(otherFore, kRed);

    pressPalette(PaletteStrip::swatchCentre(2)); // red
    EXPECT_EQ(window.state().colourRed, 255);
    EXPECT_EQ(window.state().colourGreen, 0);
    EXPECT_EQ(window.state().colourBlue, 0);
    EXPECT_EQ(window.canvas().fillColor(), kRed);
    EXPECT_EQ(window.canvas().foreColor(), kRed);
    EXPECT_EQ(window.page(2).fillColor(), kRed);
    EXPECT_EQ(window.page(2).foreColor(), kRed);
    EXPECT_EQ(window.textPreview->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (int i : {0, 1, 3, 5, 9}) {
        EXPECT_EQ(window.page(i).fillColor(), otherFill) << "page " << i;
        EXPECT_EQ(window.page(i).foreColor(), otherFore) << "page " << i;
    }
}

TEST_F(PenOptionsTest, APickTakesTheVeryPixelClickedWithAnyButton)
{
    // Swatch 17 is CC9966 written red, green, blue.
    pressPalette(PaletteStrip::swatchCentre(17), Qt::RightButton);
    EXPECT_EQ(window.state().colourRed, 0xCC);
    EXPECT_EQ(window.state().colourGreen, 0x99);
    EXPECT_EQ(window.state().colourBlue, 0x66);
    // The frame's mid-grey line above the field.
    pressPalette(QPoint(PaletteStrip::swatchCentre(5).x(), 2), Qt::MiddleButton);
    EXPECT_EQ(window.canvas().foreColor(), 0x808080u);
    // Past the bitmap: the strip's white background.
    pressPalette(QPoint(714, 10));
    EXPECT_EQ(window.canvas().fillColor(), kWhite);
    EXPECT_EQ(window.state().colour(), kWhite);
}

TEST_F(PenOptionsTest, APickOffTheStripChangesNothing)
{
    pressPalette(PaletteStrip::swatchCentre(2));
    window.paletteClicked(1, 0, -300, 60);
    window.paletteClicked(1, 0, 60, 1e9f);
    EXPECT_EQ(window.state().colour(), kRed);
    EXPECT_EQ(window.canvas().fillColor(), kRed);
    EXPECT_EQ(window.page(0).foreColor(), kRed);
}

// After a pick and a page switch, the new page keeps its older fore colour
// for text while the canvas writes in the new one.
TEST_F(PenOptionsTest, TextOnAnotherPageUsesThatPagesOlderForeColour)
{
    pressPalette(PaletteStrip::swatchCentre(2));
    window.pageClicked(1);
    window.canvas().setAutoRedraw(true);
    for (Surface* s : {&window.canvas(), &window.page(1)}) {
        s->setCurrentX(100 * 15);
        s->setCurrentY(100 * 15);
        s->print(QStringLiteral("Hola"));
    }
    window.canvas().setAutoRedraw(false);
    const QRect area(100, 100, 80, 40);
    EXPECT_GT(countPixels(window.canvas().persistentImage(), kRed, area), 20);
    EXPECT_EQ(countPixels(window.page(1).persistentImage(), kRed, area), 0);
    EXPECT_GT(countPixels(window.page(1).persistentImage(), kBlack, area), 20);
}

TEST_F(PenOptionsTest, WithTheSolidPatternChosenABoxIsFilledInThePickedColour)
{
    window.pageClicked(0);
    pressPalette(PaletteStrip::swatchCentre(2));
    window.optionBars().fillPatternBar[0]->click();
    window.state().mirrorVertical = false;
    window.state().toolMode = Tool::Rectangle;
    window.canvasMoved(0, 0, 100 * 15, 100 * 15);
    window.canvasPressed(1, 0, 100 * 15, 100 * 15);
    window.canvasMoved(1, 0, 200 * 15, 180 * 15);
    window.canvasReleased(1, 0, 200 * 15, 180 * 15);
    const QRect inside(QPoint(110, 110), QPoint(190, 170));
    EXPECT_EQ(countPixels(window.page(0).persistentImage(), kRed, inside), inside.width() * inside.height());
}

// The pages start with the canvas's white fill colour: a fill before any
// colour is chosen changes neither, rather than leave the canvas white and
// paint the page black; and a box drawn after it is filled alike on both.
TEST_F(PenOptionsTest, APaintBucketBeforeAnyColourChoiceLeavesCanvasAndPageAlike)
{
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.page(i).fillColor(), kWhite) << "page " << i;
    window.pageClicked(0);
    window.state().mirrorVertical = false;
    window.state().toolMode = Tool::Rectangle;
    window.canvasMoved(0, 0, 100 * 15, 100 * 15);
    window.canvasPressed(1, 0, 100 * 15, 100 * 15);
    window.canvasMoved(1, 0, 200 * 15, 180 * 15);
    window.canvasReleased(1, 0, 200 * 15, 180 * 15);

    window.state().toolMode = Tool::Fill;
    window.canvasMoved(0, 0, 150 * 15, 150 * 15);
    window.canvasPressed(1, 0, 150 * 15, 150 * 15);
    window.canvasReleased(1, 0, 150 * 15, 150 * 15);
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), page), QPoint(-1, -1));
    EXPECT_EQ(countPixels(page, kBlack, QRect(QPoint(110, 110), QPoint(190, 170))), 0);

    // The fill left the solid pattern on both; the next box is white inside.
    window.state().toolMode = Tool::Rectangle;
    window.canvasMoved(0, 0, 300 * 15, 300 * 15);
    window.canvasPressed(1, 0, 300 * 15, 300 * 15);
    window.canvasMoved(1, 0, 400 * 15, 380 * 15);
    window.canvasReleased(1, 0, 400 * 15, 380 * 15);
    EXPECT_EQ(window.page(0).fillStyle(), 0);
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), window.page(0).persistentImage()),
              QPoint(-1, -1));
    EXPECT_EQ(
        countPixels(window.page(0).persistentImage(), kBlack, QRect(QPoint(310, 310), QPoint(390, 370))), 0);
}

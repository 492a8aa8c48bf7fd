// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "options/ConstructionChoices.h"
#include "options/GridAndSymmetry.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlueInk = 0xFF0000;

// A bar of real buttons in the system colour, as they are before the program
// paints any of them.
template <size_t N> class Bar
{
  public:
    Bar()
    {
        for (size_t i = 0; i < N; ++i) {
            m_owned[i] = std::make_unique<PictureButton>();
            buttons[i] = m_owned[i].get();
        }
    }
    std::array<PictureButton*, N> buttons{};

  private:
    std::array<std::unique_ptr<PictureButton>, N> m_owned;
};

EditorState started()
{
    EditorState s;
    applyStartValues(s);
    return s;
}

// The ink of an image: every pixel that is not white.
std::set<std::pair<int, int>> inkOf(const QImage& image)
{
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) != kWhite)
                ink.emplace(x, y);
    return ink;
}

} // namespace

// ---- Grid size ----

TEST(GridSize, StepIsFiftyTwipsTimesTheButtonsPlace)
{
    Bar<8> bar;
    Surface canvas(QSize(40, 40));
    Surface page(QSize(40, 40));
    const std::int16_t expected[8] = {50, 100, 150, 200, 250, 300, 350, 400};
    for (int i = 0; i < 8; ++i) {
        EditorState s = started();
        chooseGridSize(s, bar.buttons, i, QSizeF(600, 600), canvas, page);
        EXPECT_EQ(s.gridStep, expected[i]) << "button " << i;
        EXPECT_EQ(s.gridSizeIndex, i);
    }
}

TEST(GridSize, AxesGoToTheGridPointNearestTheCanvasCentre)
{
    EditorState s = started();
    // 14115 / 2 = 7057.5 rounds to the even 7058; 7058 div 300 = 23, times 300.
    // 10610 / 2 = 5305; 5305 div 300 = 17, times 300.
    setGridStep(s, 5, QSizeF(14115, 10610));
    EXPECT_EQ(s.gridStep, 300);
    EXPECT_EQ(s.mirrorAxisX, 6900);
    EXPECT_EQ(s.mirrorAxisY, 5100);
    // 7058 div 50 = 141, times 50; 5305 div 50 = 106, times 50.
    setGridStep(s, 0, QSizeF(14115, 10610));
    EXPECT_EQ(s.mirrorAxisX, 7050);
    EXPECT_EQ(s.mirrorAxisY, 5300);
}

TEST(GridSize, OnlyTheChosenButtonIsGreenAndOthersKeepTheirOwnColour)
{
    Bar<8> bar;
    markGridSize(bar.buttons, 3);
    EXPECT_EQ(bar.buttons[3]->backColor(), kGreen);
    for (size_t j : {0u, 1u, 2u, 4u, 5u, 6u, 7u})
        EXPECT_EQ(bar.buttons[j]->backColor(), PictureButton::kSystemColour) << j;

    markGridSize(bar.buttons, 6);
    EXPECT_EQ(bar.buttons[3]->backColor(), kWhite) << "the earlier choice is whitened";
    EXPECT_EQ(bar.buttons[6]->backColor(), kGreen);
    EXPECT_EQ(bar.buttons[0]->backColor(), PictureButton::kSystemColour) << "never green, left alone";

    markGridSize(bar.buttons, 6);
    EXPECT_EQ(bar.buttons[6]->backColor(), kGreen) << "choosing it again keeps it green";
}

TEST(GridSize, DotsEveryFiftyTwipsFromTheCornerToBothEdgesInclusive)
{
    // The canvas control is 900 x 600 twips: dots at x = 0, 50, ..., 900 and
    // y = 0, 50, ..., 600. At 15 twips a pixel, 50 twips is 3 1/3 pixels, so
    // the dots fall on pixels 0, 3, 7, 10, 13, 17, ... The surface has one
    // pixel more than the control each way, so the dots on the right and
    // bottom edges themselves show.
    Surface canvas(QSize(61, 41));
    Surface page(QSize(61, 41));
    canvas.setForeColor(kRed);
    EditorState s = started();
    Bar<8> bar;
    chooseGridSize(s, bar.buttons, 0, QSizeF(900, 600), canvas, page);

    const int columns[] = {0, 3, 7, 10, 13, 17, 20, 23, 27, 30, 33, 37, 40, 43, 47, 50, 53, 57, 60};
    const int rows[] = {0, 3, 7, 10, 13, 17, 20, 23, 27, 30, 33, 37, 40};
    std::set<std::pair<int, int>> expected;
    for (int x : columns)
        for (int y : rows)
            expected.emplace(x, y);
    const QImage image = canvas.persistentImage();
    EXPECT_EQ(inkOf(image), expected);
    EXPECT_EQ(countPixels(image, kRed), 19 * 13) << "every dot one pixel in the canvas's ForeColor";
    EXPECT_EQ(firstDifference(canvas.screen(), image), QPoint(-1, -1))
        << "the dots are on the canvas's image";
}

TEST(GridSize, DotsOfTheWidestGridAreFourHundredTwipsApart)
{
    // 400 twips is 26 2/3 pixels: dots on pixels 0, 27, 53, 80.
    Surface canvas(QSize(100, 60));
    Surface page(QSize(100, 60));
    EditorState s = started();
    Bar<8> bar;
    chooseGridSize(s, bar.buttons, 7, QSizeF(1500, 900), canvas, page);
    std::set<std::pair<int, int>> expected;
    for (int x : {0, 27, 53, 80})
        for (int y : {0, 27, 53})
            expected.emplace(x, y);
    EXPECT_EQ(inkOf(canvas.persistentImage()), expected);
}

TEST(GridSize, ShowsThePageWithTheDotsAndLeavesThePageWithout)
{
    Surface canvas(QSize(60, 60));
    Surface page(QSize(60, 60));
    // Only on the canvas: a red box, as a start-up or help picture would be.
    canvas.setAutoRedraw(true);
    canvas.filledBox(QPointF(0, 0), QPointF(600, 600), kRed);
    canvas.setAutoRedraw(false);
    // On the page: a blue segment.
    page.setAutoRedraw(true);
    page.line(QPointF(75, 450), QPointF(825, 450), kBlueInk);
    const QImage pageBefore = page.persistentImage().copy();

    EditorState s = started();
    Bar<8> bar;
    chooseGridSize(s, bar.buttons, 2, QSizeF(900, 900), canvas, page);

    const QImage shown = canvas.persistentImage();
    EXPECT_EQ(countPixels(shown, kRed), 0) << "the canvas-only picture is gone";
    EXPECT_EQ(pixelAt(shown, 25, 25), kWhite);
    EXPECT_EQ(pixelAt(shown, 25, 30), kBlueInk) << "the page's segment shows";
    EXPECT_EQ(pixelAt(shown, 30, 30), kBlack) << "a dot lies over the segment";
    EXPECT_EQ(pixelAt(shown, 10, 10), kBlack) << "a dot at (150, 150) twips";
    EXPECT_EQ(pixelAt(shown, 10, 20), kBlack);
    EXPECT_EQ(firstDifference(page.persistentImage(), pageBefore), QPoint(-1, -1))
        << "no dot reached the page";
    EXPECT_FALSE(canvas.autoRedraw());
    EXPECT_EQ(canvas.drawWidth(), 1);
}

TEST(GridSize, AnotherChoiceReplacesTheEarlierGrid)
{
    Surface canvas(QSize(60, 60));
    Surface page(QSize(60, 60));
    EditorState s = started();
    Bar<8> bar;
    chooseGridSize(s, bar.buttons, 0, QSizeF(900, 900), canvas, page);
    ASSERT_EQ(pixelAt(canvas.persistentImage(), 3, 3), kBlack);
    chooseGridSize(s, bar.buttons, 5, QSizeF(900, 900), canvas, page);
    // 300 twips is 20 pixels: dots at 0, 20, 40 (and 60, past the edge).
    std::set<std::pair<int, int>> expected;
    for (int x : {0, 20, 40})
        for (int y : {0, 20, 40})
            expected.emplace(x, y);
    EXPECT_EQ(inkOf(canvas.persistentImage()), expected);
}

TEST(GridSize, DotsAreOnePixelEvenWhenTheCanvasHadAWidePen)
{
    Surface canvas(QSize(30, 30));
    Surface page(QSize(30, 30));
    canvas.setDrawWidth(5);
    EditorState s = started();
    Bar<8> bar;
    chooseGridSize(s, bar.buttons, 2, QSizeF(450, 450), canvas, page);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kBlack), 9);
}

TEST(GridSize, AnIndexOutsideTheBarChangesNothing)
{
    Surface canvas(QSize(30, 30));
    Surface page(QSize(30, 30));
    EditorState s = started();
    Bar<8> bar;
    EXPECT_THROW(chooseGridSize(s, bar.buttons, 8, QSizeF(450, 450), canvas, page), std::out_of_range);
    EXPECT_EQ(s.gridStep, 1);
    EXPECT_EQ(s.gridSizeIndex, 5);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kBlack), 0);
}

// ---- Symmetry ----

TEST(Symmetry, EachButtonTogglesItsOwnMirroringByItsColour)
{
    EditorState s = started();
    Bar<4> bar;
    bar.buttons[1]->setBackColor(kGreen); // as start-up leaves it: the vertical mirror on
    ASSERT_TRUE(s.mirrorVertical);

    chooseSymmetry(s, bar.buttons, 1);
    EXPECT_FALSE(s.mirrorVertical);
    EXPECT_EQ(bar.buttons[1]->backColor(), kWhite);
    chooseSymmetry(s, bar.buttons, 1);
    EXPECT_TRUE(s.mirrorVertical) << "two clicks give back the earlier state";
    EXPECT_EQ(bar.buttons[1]->backColor(), kGreen);

    // The others start in the system colour, which is not green: on at once.
    chooseSymmetry(s, bar.buttons, 2);
    EXPECT_TRUE(s.mirrorHorizontal);
    EXPECT_EQ(bar.buttons[2]->backColor(), kGreen);
    chooseSymmetry(s, bar.buttons, 3);
    EXPECT_TRUE(s.mirrorCentral);
    EXPECT_EQ(bar.buttons[3]->backColor(), kGreen);
    EXPECT_TRUE(s.mirrorVertical) << "each button touches only its own mirroring";
    EXPECT_EQ(bar.buttons[0]->backColor(), PictureButton::kSystemColour) << "button 0 is not repainted";
}

TEST(Symmetry, TheStateIsReadFromTheColourNotFromTheFlag)
{
    EditorState s = started();
    Bar<4> bar;
    s.mirrorHorizontal = true; // the flag says on, the button is not green
    chooseSymmetry(s, bar.buttons, 2);
    EXPECT_TRUE(s.mirrorHorizontal);
    EXPECT_EQ(bar.buttons[2]->backColor(), kGreen);
}

TEST(Symmetry, ButtonZeroTurnsAllOffAndStaysGreen)
{
    EditorState s = started();
    s.mirrorHorizontal = true;
    s.mirrorCentral = true;
    Bar<4> bar;
    for (size_t j = 1; j <= 3; ++j)
        bar.buttons[j]->setBackColor(kGreen);

    chooseSymmetry(s, bar.buttons, 0);
    EXPECT_FALSE(s.mirrorVertical);
    EXPECT_FALSE(s.mirrorHorizontal);
    EXPECT_FALSE(s.mirrorCentral);
    EXPECT_EQ(bar.buttons[0]->backColor(), kGreen);
    for (size_t j = 1; j <= 3; ++j)
        EXPECT_EQ(bar.buttons[j]->backColor(), kWhite) << j;

    chooseSymmetry(s, bar.buttons, 1);
    chooseSymmetry(s, bar.buttons, 3);
    EXPECT_TRUE(s.mirrorVertical);
    EXPECT_TRUE(s.mirrorCentral);
    EXPECT_EQ(bar.buttons[0]->backColor(), kGreen) << "nothing repaints button 0";
}

TEST(Symmetry, AnyOtherIndexDoesNothing)
{
    EditorState s = started();
    Bar<4> bar;
    for (int i : {-1, 4, 100}) {
        chooseSymmetry(s, bar.buttons, i);
        EXPECT_TRUE(s.mirrorVertical);
        EXPECT_FALSE(s.mirrorHorizontal);
        EXPECT_FALSE(s.mirrorCentral);
    }
    for (PictureButton* b : bar.buttons)
        EXPECT_EQ(b->backColor(), PictureButton::kSystemColour);
}

// ---- Construction choices ----

TEST(ConstructionChoice, PolygonMethodAndCurveSubModeAreTheButtonsIndex)
{
    EditorState s = started();
    for (int i = 0; i < 3; ++i) {
        choosePolygonMethod(s, i);
        EXPECT_EQ(s.polygonMethod, i);
    }
    for (int i = 0; i < 6; ++i) {
        chooseCurveMode(s, i);
        EXPECT_EQ(s.curveSubMode, i);
    }
    EXPECT_EQ(s.polygonMethod, 2) << "choosing a curve leaves the polygon method";
}

TEST(ConstructionChoice, AnIndexBeyondTheValuesTypeOverflows)
{
    EditorState s = started();
    EXPECT_THROW(chooseCurveMode(s, 256), OverflowError);
    EXPECT_THROW(chooseCurveMode(s, -1), OverflowError);
    EXPECT_THROW(choosePolygonMethod(s, 40000), OverflowError);
    EXPECT_EQ(s.curveSubMode, 0);
    EXPECT_EQ(s.polygonMethod, 0);
}

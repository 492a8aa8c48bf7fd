// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "support/SurfaceCompare.h"
#include "tools/FillTool.h"

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlueInk = 0xFF0000;
constexpr Colour kGreenInk = 0x00FF00;

void set(QImage& image, int x, int y, Colour c)
{
    image.setPixel(x, y, toQColor(c).rgb());
}

QImage whiteImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A one-pixel black outline with corners (20, 20) and (60, 50): its inside is
// 39 x 29 = 1131 pixels.
QImage outlinedPicture()
{
    QImage image = whiteImage(QSize(100, 80));
    for (int x = 20; x <= 60; ++x) {
        set(image, x, 20, kBlack);
        set(image, x, 50, kBlack);
    }
    for (int y = 20; y <= 50; ++y) {
        set(image, 20, y, kBlack);
        set(image, 60, y, kBlack);
    }
    return image;
}

// The canvas and a page as a release leaves them for the commit: drawing
// persistently, 15 twips to the pixel, red fill colour.
class FillToolTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (Surface* s : {&canvas, &page}) {
            s->setAutoRedraw(true);
            s->setFillColor(kRed);
        }
    }

    void showOnBoth(const QImage& picture)
    {
        canvas.setPicture(picture);
        page.setPicture(picture);
    }

    void fillAt(std::int32_t x, std::int32_t y)
    {
        state.pointerX = x;
        state.pointerY = y;
        commitFill(state, canvas, page);
    }

    EditorState state;
    Surface canvas{QSize(100, 80), 15.0};
    Surface page{QSize(100, 80), 15.0};
};

} // namespace

TEST_F(FillToolTest, AHatchedPatternStillFillsSolidAndTheNextBoxIsHatchedAgain)
{
    state.fillPattern = 6; // cross hatch
    canvas.setFillStyle(6);
    page.setFillStyle(6);
    showOnBoth(outlinedPicture());
    fillAt(40 * 15, 35 * 15);
    for (Surface* s : {&canvas, &page}) {
        EXPECT_EQ(countPixels(s->persistentImage(), kRed, QRect(QPoint(21, 21), QPoint(59, 49))), 1131);
        EXPECT_EQ(s->fillStyle(), 6);
        EXPECT_EQ(s->scaleMode(), Surface::ScaleMode::Twips);
    }

    // A box drawn next, in twips again, gets the cross hatch inside: some of
    // its inside in the fill colour, some left as it was.
    canvas.setPicture(whiteImage(QSize(100, 80)));
    canvas.box(QPointF(10 * 15, 10 * 15), QPointF(90 * 15, 70 * 15), kBlack);
    const QRect inside(QPoint(12, 12), QPoint(88, 68));
    const int red = countPixels(canvas.persistentImage(), kRed, inside);
    EXPECT_GT(red, 100);
    EXPECT_LT(red, inside.width() * inside.height() / 2);
    EXPECT_GT(countPixels(canvas.persistentImage(), kWhite, inside), inside.width() * inside.height() / 2);
}

// 1000 / 15 = 66.7 and 500 / 15 = 33.3: rounded down, pixel (66, 33), not the
// nearest pixel (67, 33).
TEST_F(FillToolTest, FifteenTwipsPerPixelAndAPointerAt1000And500FillFromPixel66And33)
{
    QImage picture = whiteImage(QSize(100, 80));
    set(picture, 66, 33, kBlueInk);
    set(picture, 67, 33, kGreenInk);
    showOnBoth(picture);
    fillAt(1000, 500);
    for (Surface* s : {&canvas, &page}) {
        EXPECT_EQ(pixelAt(s->persistentImage(), 66, 33), kRed);
        EXPECT_EQ(pixelAt(s->persistentImage(), 67, 33), kGreenInk);
        EXPECT_EQ(countPixels(s->persistentImage(), kRed), 1);
    }
    // The pointer keeps its twips.
    EXPECT_EQ(state.pointerX, 1000);
    EXPECT_EQ(state.pointerY, 500);
}

// A second release at the same place, with no move in between, fills from the
// same pixel again: a double click with the bucket stays where it was aimed.
TEST_F(FillToolTest, ASecondReleaseWithoutAMoveFillsFromTheSamePixelAgain)
{
    QImage picture = whiteImage(QSize(100, 80));
    set(picture, 66, 33, kBlueInk);
    set(picture, 4, 2, kBlueInk); // where 66 / 15 and 33 / 15 would land
    showOnBoth(picture);
    state.pointerX = 1000;
    state.pointerY = 500;
    commitFill(state, canvas, page);
    canvas.setFillColor(kGreenInk);
    page.setFillColor(kGreenInk);
    commitFill(state, canvas, page);
    for (Surface* s : {&canvas, &page}) {
        EXPECT_EQ(pixelAt(s->persistentImage(), 66, 33), kGreenInk) << "the second fill went elsewhere";
        EXPECT_EQ(pixelAt(s->persistentImage(), 4, 2), kBlueInk);
    }
}

TEST_F(FillToolTest, APointOutsideTheCanvasChangesNothing)
{
    showOnBoth(outlinedPicture());
    canvas.setFillStyle(3);
    page.setFillStyle(3);
    state.fillPattern = 3;
    const QImage before = canvas.persistentImage().copy();
    // Left of and above the canvas (-20 twips is pixel -2 rounded down), and
    // past its right and bottom edges.
    for (QPoint p : {QPoint(-20, 300), QPoint(300, -1), QPoint(100 * 15, 300), QPoint(300, 80 * 15),
                     QPoint(2000000000, -2000000000)}) {
        fillAt(p.x(), p.y());
        EXPECT_EQ(firstDifference(canvas.persistentImage(), before), QPoint(-1, -1)) << p.x() << "," << p.y();
        EXPECT_EQ(firstDifference(page.persistentImage(), before), QPoint(-1, -1)) << p.x() << "," << p.y();
        EXPECT_EQ(canvas.scaleMode(), Surface::ScaleMode::Twips);
        EXPECT_EQ(page.fillStyle(), 3);
    }
}

// The canvas shows an outline the page does not have, and each has its own
// fill colour: the canvas fills the outline's inside, the page the whole
// page.
TEST_F(FillToolTest, CanvasAndPageFillIndependentlyFromTheirOwnColours)
{
    canvas.setPicture(outlinedPicture());
    page.setFillColor(kGreenInk);
    fillAt(40 * 15, 35 * 15);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kRed), 1131);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kGreenInk), 0);
    EXPECT_EQ(countPixels(page.persistentImage(), kGreenInk), 100 * 80);
}

TEST_F(FillToolTest, TheCanvasScreenShowsTheFillOverTheCrosshair)
{
    showOnBoth(outlinedPicture());
    // The crosshair of the last move, on the canvas's screen layer only.
    canvas.setAutoRedraw(false);
    canvas.line(QPointF(30 * 15, 35 * 15), QPointF(50 * 15, 35 * 15));
    canvas.line(QPointF(40 * 15, 25 * 15), QPointF(40 * 15, 45 * 15));
    canvas.setAutoRedraw(true);
    fillAt(40 * 15, 35 * 15);
    EXPECT_EQ(countPixels(canvas.screen(), kRed), 1131);
    EXPECT_EQ(countPixels(canvas.persistentImage(), kRed), 1131);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "canvas/FloodFill.h"
#include "canvas/Surface.h"
#include "support/CheckedSurface.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlueInk = 0xFF0000;
constexpr Colour kGreenInk = 0x00FF00;

// Twips of pixel (x, y) on a 15-twips-per-pixel surface.
QPointF px(int x, int y)
{
    return QPointF(x * 15.0, y * 15.0);
}

QImage whiteImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void set(QImage& image, int x, int y, Colour c)
{
    image.setPixel(x, y, toQColor(c).rgb());
}

// A one-pixel black outline whose corners are (20, 20) and (60, 50), both
// included: its inside is 39 x 29 = 1131 pixels, the outline itself
// 2 x 41 + 2 x 29 = 140.
constexpr QRect kOutline(QPoint(20, 20), QPoint(60, 50));
constexpr QRect kInside(QPoint(21, 21), QPoint(59, 49));

QImage outlinedPicture(QSize size = QSize(100, 80))
{
    QImage image = whiteImage(size);
    for (int x = kOutline.left(); x <= kOutline.right(); ++x) {
        set(image, x, kOutline.top(), kBlack);
        set(image, x, kOutline.bottom(), kBlack);
    }
    for (int y = kOutline.top(); y <= kOutline.bottom(); ++y) {
        set(image, kOutline.left(), y, kBlack);
        set(image, kOutline.right(), y, kBlack);
    }
    return image;
}

// A surface showing `picture`, drawing persistently, with the fill colour red
// and the fill style left at its start value (transparent).
Surface surfaceShowing(const QImage& picture)
{
    Surface s(picture.size());
    s.setPicture(picture);
    s.setAutoRedraw(true);
    s.setFillColor(kRed);
    return s;
}

// The reference: a plain 4-connected fill, one pixel at a time from a queue.
void referenceFill(QImage& image, QPoint seed, QRgb fill)
{
    if (!image.rect().contains(seed))
        return;
    const QRgb target = image.pixel(seed) & 0xFFFFFF;
    if ((fill & 0xFFFFFF) == target)
        return;
    std::deque<QPoint> queue{seed};
    image.setPixel(seed, fill);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            if (image.rect().contains(n) && (image.pixel(n) & 0xFFFFFF) == target) {
                image.setPixel(n, fill);
                queue.push_back(n);
            }
        }
    }
}

} // namespace

// Every Surface a test makes checks its invariants after each operation.
class SurfaceFloodFillTest : public ::testing::Test
{
  protected:
    using Surface = CheckedSurface;
};

TEST_F(SurfaceFloodFillTest, AClickInsideAClosedOutlineFillsOnlyItsInsideAndSolidly)
{
    Surface s = surfaceShowing(outlinedPicture());
    ASSERT_EQ(s.fillStyle(), 1) << "the fill is solid whatever the fill style";
    s.floodFill(px(40, 35));
    const QImage& image = s.persistentImage();
    EXPECT_EQ(countPixels(image, kRed), 1131);
    EXPECT_EQ(countPixels(image, kRed, kInside), 1131);
    EXPECT_EQ(countPixels(image, kBlack), 140);
    EXPECT_EQ(countPixels(image, kWhite), 100 * 80 - 1131 - 140);
}

TEST_F(SurfaceFloodFillTest, AClickOutsideTheOutlineLeavesItsInsideAlone)
{
    Surface s = surfaceShowing(outlinedPicture());
    s.floodFill(px(5, 5));
    const QImage& image = s.persistentImage();
    EXPECT_EQ(countPixels(image, kRed), 100 * 80 - 1131 - 140);
    EXPECT_EQ(countPixels(image, kWhite, kInside), 1131);
}

TEST_F(SurfaceFloodFillTest, AnOddPixelFillsOnlyItselfAndItsSameColouredNeighbours)
{
    QImage picture = whiteImage(QSize(60, 60));
    set(picture, 30, 30, kBlueInk);
    set(picture, 31, 30, kBlueInk); // beside it: connected
    set(picture, 32, 31, kBlueInk); // touching only by a corner: not connected
    set(picture, 30, 29, kGreenInk);
    Surface s = surfaceShowing(picture);
    s.floodFill(px(30, 30));
    const QImage& image = s.persistentImage();
    EXPECT_EQ(countPixels(image, kRed), 2);
    EXPECT_EQ(pixelAt(image, 30, 30), kRed);
    EXPECT_EQ(pixelAt(image, 31, 30), kRed);
    EXPECT_EQ(pixelAt(image, 32, 31), kBlueInk);
    EXPECT_EQ(pixelAt(image, 30, 29), kGreenInk);
}

TEST_F(SurfaceFloodFillTest, APointOutsideTheSurfaceChangesNothing)
{
    Surface s = surfaceShowing(outlinedPicture());
    s.setAutoRedraw(false);
    s.line(px(0, 70), px(99, 70), kBlack); // a screen layer with transient drawing
    s.setAutoRedraw(true);
    const QImage persistentBefore = s.persistentImage().copy();
    const QImage screenBefore = s.screen().copy();
    int changes = 0;
    s.setChangeListener([&](const QRegion&) { ++changes; });
    for (QPointF at : {px(-1, 10), px(100, 10), px(10, -1), px(10, 80), QPointF(-1e12, 1e12)}) {
        s.floodFill(at);
        s.setAutoRedraw(false);
        s.floodFill(at);
        s.setAutoRedraw(true);
    }
    EXPECT_EQ(firstDifference(s.persistentImage(), persistentBefore), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(s.screen(), screenBefore), QPoint(-1, -1));
    EXPECT_EQ(changes, 0);
}

// Transient drawing crosses the outline's inside. The region is found on the
// persistent image, and the screen gets exactly the same pixels: the inside
// shows wholly red, the transient line outside the outline stays.
TEST_F(SurfaceFloodFillTest, TheScreenLayerGetsThePixelsThePersistentImageGets)
{
    Surface s = surfaceShowing(outlinedPicture());
    s.setAutoRedraw(false);
    s.line(px(0, 35), px(99, 35), kBlack); // splits the inside in two on screen
    s.line(px(80, 0), px(80, 79), kBlack); // outside the outline altogether
    s.setAutoRedraw(true);
    QRect reported;
    s.setChangeListener([&](const QRegion& r) { reported |= r.boundingRect(); });
    s.floodFill(px(40, 25));

    EXPECT_EQ(countPixels(s.persistentImage(), kRed, kInside), 1131);
    EXPECT_EQ(countPixels(s.screen(), kRed, kInside), 1131);
    EXPECT_EQ(countPixels(s.screen(), kRed), 1131);
    EXPECT_EQ(pixelAt(s.screen(), 10, 35), kBlack) << "transient drawing outside the region went";
    EXPECT_EQ(pixelAt(s.screen(), 80, 10), kBlack);
    EXPECT_TRUE(reported.contains(kInside));
    // Once the transient drawing is wiped, the screen is the persistent image.
    s.refresh();
    EXPECT_EQ(firstDifference(s.screen(), s.persistentImage()), QPoint(-1, -1));
}

TEST_F(SurfaceFloodFillTest, WithAutoRedrawOffOnlyTheScreenIsFilledUntilTheNextRefresh)
{
    Surface s = surfaceShowing(outlinedPicture());
    s.setAutoRedraw(false);
    s.floodFill(px(40, 35));
    EXPECT_EQ(countPixels(s.screen(), kRed), 1131);
    EXPECT_EQ(countPixels(s.persistentImage(), kRed), 0);
    s.refresh();
    EXPECT_EQ(countPixels(s.screen(), kRed), 0);

    s.setShown(false);
    s.floodFill(px(40, 35));
    EXPECT_EQ(countPixels(s.screen(), kRed), 0) << "a hidden surface keeps no transient drawing";
}

TEST_F(SurfaceFloodFillTest, ATwipPointFallsOnThePixelItRoundsTo)
{
    QImage picture = whiteImage(QSize(20, 20));
    set(picture, 5, 5, kBlueInk);
    set(picture, 6, 5, kGreenInk);
    Surface s = surfaceShowing(picture);
    s.floodFill(QPointF(5 * 15 + 7, 5 * 15)); // 5.47 pixels: pixel 5
    EXPECT_EQ(pixelAt(s.persistentImage(), 5, 5), kRed);
    EXPECT_EQ(pixelAt(s.persistentImage(), 6, 5), kGreenInk);
    s.setScaleMode(Surface::ScaleMode::Pixels);
    s.floodFill(QPointF(6, 5));
    EXPECT_EQ(pixelAt(s.persistentImage(), 6, 5), kRed);
}

TEST_F(SurfaceFloodFillTest, EqualsAPlainReferenceFillOnRandomImages)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 6; ++round) {
        QImage picture = whiteImage(QSize(97, 61));
        // Mostly white, so that regions are large and winding.
        std::uniform_int_distribution<int> pick(0, 9);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const int v = pick(random);
                set(picture, x, y, v < 7 ? kWhite : v < 9 ? kBlack : kBlueInk);
            }
        const QPoint seed(std::uniform_int_distribution<int>(0, 96)(random),
                          std::uniform_int_distribution<int>(0, 60)(random));

        Surface s = surfaceShowing(picture);
        s.setAutoRedraw(false);
        s.plot(px(0, 0), kGreenInk); // make a screen layer
        s.refresh();
        s.setAutoRedraw(true);
        s.floodFill(px(seed.x(), seed.y()));

        QImage expected = picture.convertToFormat(QImage::Format_RGB32);
        referenceFill(expected, seed, toQColor(kRed).rgb());
        EXPECT_EQ(firstDifference(s.persistentImage(), expected), QPoint(-1, -1)) << "round " << round;
        EXPECT_EQ(firstDifference(s.screen(), expected), QPoint(-1, -1)) << "round " << round;
    }
}

TEST(FloodFillBoth, PaintsTheImagesRegionOnTheTwinWhateverTheTwinHolds)
{
    QImage image = outlinedPicture();
    QImage twin = whiteImage(image.size()); // no outline at all
    const QRect painted = floodFillBoth(image, twin, QPoint(40, 35), toQColor(kRed).rgb());
    EXPECT_EQ(painted, kInside);
    EXPECT_EQ(countPixels(image, kRed), 1131);
    EXPECT_EQ(countPixels(twin, kRed), 1131);
    EXPECT_EQ(countPixels(twin, kRed, kInside), 1131);

    QImage smallTwin = whiteImage(QSize(10, 10));
    QImage again = outlinedPicture();
    EXPECT_TRUE(floodFillBoth(again, smallTwin, QPoint(40, 35), toQColor(kRed).rgb()).isEmpty());
    EXPECT_EQ(countPixels(again, kRed), 0) << "a twin of another size fills nothing";
}

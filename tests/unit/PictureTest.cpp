// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "canvas/Picture.h"
#include "canvas/Surface.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;

QPointF px(int x, int y)
{
    return QPointF(x * 15.0, y * 15.0);
}

// Every pixel a different colour, so that a tile put in the wrong place or
// a row shifted by one shows.
QImage gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return image;
}

// A 320 x 240 surface (a grid of 5 x 4 tiles) with something drawn on it.
Surface drawnSurface()
{
    Surface s(QSize(320, 240));
    s.setAutoRedraw(true);
    s.line(px(10, 200), px(300, 20), kBlack);
    return s;
}

} // namespace

TEST(Picture, AnImageComesBackPixelForPixelWhateverItsSize)
{
    for (QSize size : {QSize(130, 70), QSize(64, 64), QSize(65, 1), QSize(1, 129)}) {
        const QImage original = gradient(size);
        const Picture picture = Picture::fromImage(original);
        const QImage back = picture.toImage();
        ASSERT_EQ(back.size(), size);
        EXPECT_EQ(firstDifference(back, original), QPoint(-1, -1)) << size.width() << "x" << size.height();
    }
}

TEST(Picture, TilesCoverThePictureWithPartTilesAtTheEdges)
{
    const Picture picture = Picture::fromImage(gradient(QSize(130, 70)));
    EXPECT_EQ(picture.size(), QSize(130, 70));
    EXPECT_EQ(picture.columns(), 3); // 64 + 64 + 2
    EXPECT_EQ(picture.rows(), 2);    // 64 + 6
    EXPECT_EQ(picture.tileCount(), 6);
    EXPECT_EQ(picture.pixel(QPoint(129, 69)), qRgb(129, 69, 198));
    EXPECT_EQ(picture.pixel(QPoint(64, 0)), qRgb(64, 0, 64));
    EXPECT_EQ(picture.pixel(QPoint(0, 64)), qRgb(0, 64, 64));
}

TEST(Picture, APictureLaidOverOneColourSharesTheTilesItCoversWhole)
{
    const QImage original = gradient(QSize(130, 70));
    const Picture picture = Picture::fromImage(original);
    for (QSize size : {QSize(200, 100), QSize(100, 50), QSize(130, 70)}) {
        const Picture laid = picture.laidOver(size, qRgb(255, 0, 0));
        ASSERT_EQ(laid.size(), size);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(qRgb(255, 0, 0));
        for (int y = 0; y < std::min(70, size.height()); ++y)
            for (int x = 0; x < std::min(130, size.width()); ++x)
                expected.setPixel(x, y, original.pixel(x, y));
        EXPECT_EQ(firstDifference(laid.toImage(), expected), QPoint(-1, -1))
            << size.width() << "x" << size.height();
        // The top-left tile lies wholly inside the picture whatever the size.
        EXPECT_EQ(laid.tile(0), picture.tile(0));
    }
    const Picture wide = picture.laidOver(QSize(200, 100), qRgb(255, 0, 0));
    EXPECT_EQ(wide.tile(1), picture.tile(1)) << "pixels 64 to 127 of the first row of tiles";
    EXPECT_NE(wide.tile(2), picture.tile(2)) << "the picture ends two pixels into this tile";
    EXPECT_EQ(wide.pixel(QPoint(129, 69)), qRgb(129, 69, 198));
    EXPECT_EQ(wide.pixel(QPoint(130, 69)), qRgb(255, 0, 0));
    EXPECT_EQ(wide.pixel(QPoint(129, 70)), qRgb(255, 0, 0));
}

TEST(Picture, NoPictureIsNull)
{
    EXPECT_TRUE(Picture().isNull());
    EXPECT_TRUE(Picture::fromImage(QImage()).isNull());
    EXPECT_TRUE(Picture().toImage().isNull());
    EXPECT_FALSE(Picture::fromImage(gradient(QSize(1, 1))).isNull());
}

TEST(Picture, AskingTwiceWithoutDrawingSharesEveryTile)
{
    Surface s = drawnSurface();
    const Picture a = s.image();
    const Picture b = s.image();
    ASSERT_EQ(a.tileCount(), 20);
    EXPECT_EQ(sharedTileCount(a, b), 20);
}

TEST(Picture, AfterASmallFigureOnlyTheTilesItTouchedAreNew)
{
    Surface s = drawnSurface();
    const Picture before = s.image();

    // A dot in the middle of tile (1, 1): one tile of twenty.
    s.plot(px(96, 96), kRed);
    const Picture afterDot = s.image();
    EXPECT_EQ(sharedTileCount(before, afterDot), 19);
    EXPECT_NE(afterDot.tile(6), before.tile(6));

    // A short line across the corner where tiles (0, 0), (1, 0), (0, 1) and
    // (1, 1) meet.
    s.line(px(60, 60), px(70, 70), kRed);
    const Picture afterLine = s.image();
    EXPECT_EQ(sharedTileCount(afterDot, afterLine), 16);
    for (int i : {0, 1, 5, 6})
        EXPECT_NE(afterLine.tile(i), afterDot.tile(i)) << "tile " << i;
    EXPECT_EQ(pixelAt(afterLine.toImage(), 96, 96), kRed);
    EXPECT_EQ(pixelAt(before.toImage(), 96, 96), kWhite) << "an older snapshot changed";
}

TEST(Picture, DrawingWithAutoRedrawOffLeavesTheTilesShared)
{
    Surface s = drawnSurface();
    const Picture before = s.image();
    s.setAutoRedraw(false);
    s.circle(px(160, 120), 50 * 15, kRed);
    EXPECT_EQ(sharedTileCount(before, s.image()), 20);
}

TEST(Picture, SettingAnOlderSnapshotRestoresItsPixelsExactly)
{
    Surface s = drawnSurface();
    const Picture old = s.image();
    const QImage oldPixels = s.persistentImage().copy();

    s.setDrawWidth(7);
    s.line(px(5, 5), px(315, 235), kRed);
    s.circle(px(200, 60), 40 * 15, kBlue);
    s.image(); // a snapshot in between must not matter
    s.plot(px(300, 200), kRed);
    ASSERT_NE(firstDifference(s.persistentImage(), oldPixels), QPoint(-1, -1));

    s.setPicture(old);
    EXPECT_EQ(firstDifference(s.persistentImage(), oldPixels), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(s.screen(), oldPixels), QPoint(-1, -1));
    EXPECT_EQ(sharedTileCount(s.image(), old), 20);
}

TEST(Picture, RestoringTheSnapshotBeforeAFigureRewritesOnlyTheTilesItTouched)
{
    Surface s = drawnSurface();
    // A transient drawing, wiped, leaves the surface with a screen layer, as
    // the canvas has after any pointer move.
    s.setAutoRedraw(false);
    s.line(px(0, 0), px(1, 1), kBlack);
    s.refresh();
    s.setAutoRedraw(true);
    const Picture old = s.image();
    s.plot(px(96, 96), kRed);   // tile (1, 1)
    s.plot(px(300, 200), kRed); // tile (4, 3), a part tile 64 x 48

    std::vector<QRect> repainted;
    s.setChangeListener([&](const QRegion& r) { repainted.insert(repainted.end(), r.begin(), r.end()); });
    s.setPicture(old);
    EXPECT_EQ(repainted, (std::vector<QRect>{QRect(64, 64, 64, 64), QRect(256, 192, 64, 48)}));
    EXPECT_EQ(pixelAt(s.screen(), 96, 96), kWhite);
    EXPECT_EQ(pixelAt(s.screen(), 300, 200), kWhite);
}

TEST(Picture, ASnapshotShowsTheSameOnAnotherSurface)
{
    Surface page = drawnSurface();
    page.plot(px(96, 96), kRed);
    Surface canvas(QSize(320, 240));
    canvas.setAutoRedraw(true);
    canvas.circle(px(100, 100), 30 * 15, kBlue);
    canvas.setPicture(page.image());
    EXPECT_EQ(firstDifference(canvas.persistentImage(), page.persistentImage()), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(canvas.screen(), page.persistentImage()), QPoint(-1, -1));
}

TEST(Picture, NoPictureGivesPlainBackColor)
{
    Surface s = drawnSurface();
    s.setBackColor(kRed);
    s.plot(px(10, 10), kBlack);
    s.setPicture(Picture());
    EXPECT_EQ(countPixels(s.persistentImage(), kRed), 320 * 240);
    EXPECT_EQ(s.pixel(px(10, 10)), qint64(kRed));
}

TEST(Picture, ASurfaceNeverDrawnOnHoldsOneTileForItsWholeGrid)
{
    Surface page(QSize(3840, 2160));
    page.setShown(false);
    const Picture p = page.image();
    ASSERT_EQ(p.tileCount(), 60 * 34);
    for (int i = 1; i < p.tileCount(); ++i)
        ASSERT_EQ(p.tile(i), p.tile(0)) << "tile " << i;
    EXPECT_EQ(page.pixel(px(3839, 2159)), qint64(kWhite));
}

TEST(Picture, BackColorWipesTheDrawingUnderAFullSizePicture)
{
    Surface s(QSize(130, 70));
    const QImage picture = gradient(QSize(130, 70));
    s.setPicture(picture);
    s.setAutoRedraw(true);
    s.setDrawWidth(3);
    s.line(px(0, 35), px(129, 35), kBlack);
    s.setBackColor(kRed);
    EXPECT_EQ(firstDifference(s.persistentImage(), picture), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(s.picture().toImage(), picture), QPoint(-1, -1));
}

TEST(Picture, TransparentPartsOfAPictureShowTheBackColor)
{
    QImage picture(20, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    Surface s(QSize(20, 10));
    s.setBackColor(kRed);
    s.setPicture(picture);
    EXPECT_EQ(pixelAt(s.persistentImage(), 5, 5), kBlue);
    EXPECT_EQ(pixelAt(s.persistentImage(), 15, 5), kRed);
}

TEST(Picture, ResizingKeepsTheDrawingAtTheTopLeftAndFillsTheRest)
{
    Surface s(QSize(100, 50));
    s.setAutoRedraw(true);
    s.plot(px(10, 10), kRed);
    const Picture before = s.image();
    s.resize(QSize(130, 70));
    const Picture after = s.image();
    EXPECT_EQ(after.size(), QSize(130, 70));
    EXPECT_EQ(pixelAt(after.toImage(), 10, 10), kRed);
    EXPECT_EQ(pixelAt(after.toImage(), 120, 60), kWhite);
    EXPECT_EQ(before.size(), QSize(100, 50));
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <functional>
#include <random>
#include <vector>

#include <QImage>

#include "canvas/FloodFill.h"
#include "canvas/Picture.h"

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF000000;
constexpr QRgb kOther = 0xFF3060C0;
constexpr QRgb kPaint = 0xFFE02020;

QImage blankImage(int width, int height, QRgb colour = kPaper, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// A one pixel wide outline along the edge of `box`.
void drawOutline(QImage& image, QRect box, QRgb colour)
{
    for (int x = box.left(); x <= box.right(); ++x) {
        image.setPixel(x, box.top(), colour);
        image.setPixel(x, box.bottom(), colour);
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        image.setPixel(box.left(), y, colour);
        image.setPixel(box.right(), y, colour);
    }
}

// The first pixel where two images differ, or (-1, -1) when they are equal.
QPoint firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QPoint(-2, -2);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

// The bounding box of the pixels that differ between two images.
QRect changedArea(const QImage& before, const QImage& after)
{
    QRect area;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

int countPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// The plain fill to hold the real one against: a breadth-first walk over the
// four neighbours of each pixel, one pixel at a time.
QRect referenceFill(QImage& image, QPoint seed, QRgb fill)
{
    if (!image.rect().contains(seed))
        return QRect();
    const QRgb target = image.pixel(seed) & 0xFFFFFF;
    if ((fill & 0xFFFFFF) == target)
        return QRect();
    QRect painted;
    std::deque<QPoint> queue{seed};
    image.setPixel(seed, fill);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        painted |= QRect(p, QSize(1, 1));
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = p + step;
            if (image.rect().contains(next) && (image.pixel(next) & 0xFFFFFF) == target) {
                image.setPixel(next, fill);
                queue.push_back(next);
            }
        }
    }
    return painted;
}

// Walls one pixel wide across the picture, with corridors two pixels wide
// between them; each wall has a one pixel gap at alternate ends, so the only way on is round every wall in
// turn. The wall numbered `sealed` has no gap. With `acrossRows` false the walls are columns and the
// corridors run up and down.
QImage serpentine(int width, int height, bool acrossRows, int sealed)
{
    QImage image = blankImage(width, height);
    const int span = acrossRows ? width : height;
    const int length = acrossRows ? height : width;
    for (int wall = 0, at = 2; at < length; ++wall, at += 3) {
        const int gap = wall == sealed ? -1 : (wall % 2 == 0 ? span - 1 : 0);
        for (int along = 0; along < span; ++along)
            if (along != gap)
                image.setPixel(acrossRows ? QPoint(along, at) : QPoint(at, along), kInk);
    }
    return image;
}

QImage randomNoise(std::mt19937& rng, int width, int height, int colours)
{
    const QRgb palette[] = {kPaper, kInk, kOther};
    QImage image = blankImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, palette[rng() % unsigned(colours)]);
    return image;
}

QImage randomBoxes(std::mt19937& rng, int width, int height)
{
    const QRgb palette[] = {kInk, kOther, kPaper};
    QImage image = blankImage(width, height);
    for (int i = 0; i < 40; ++i) {
        const QRect box(int(rng() % unsigned(width)), int(rng() % unsigned(height)), 1 + int(rng() % 30u),
                        1 + int(rng() % 20u));
        const QRect inside = box & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                image.setPixel(x, y, palette[i % 3]);
    }
    return image;
}

// A maze carved by a depth-first walk over cells two pixels apart, then
// opened and blocked at a few random places, so that it has loops and
// separate parts.
QImage randomMaze(std::mt19937& rng, int width, int height)
{
    QImage image = blankImage(width, height, kInk);
    const int columns = (width - 1) / 2;
    const int rows = (height - 1) / 2;
    std::vector<char> seen(size_t(columns * rows), 0);
    std::vector<QPoint> walk{QPoint(0, 0)};
    seen[0] = 1;
    image.setPixel(1, 1, kPaper);
    while (!walk.empty()) {
        const QPoint cell = walk.back();
        std::vector<QPoint> open;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = cell + step;
            if (next.x() >= 0 && next.x() < columns && next.y() >= 0 && next.y() < rows &&
                !seen[size_t(next.y() * columns + next.x())])
                open.push_back(next);
        }
        if (open.empty()) {
            walk.pop_back();
            continue;
        }
        const QPoint next = open[rng() % open.size()];
        seen[size_t(next.y() * columns + next.x())] = 1;
        image.setPixel(cell * 2 + QPoint(1, 1) + (next - cell), kPaper);
        image.setPixel(next * 2 + QPoint(1, 1), kPaper);
        walk.push_back(next);
    }
    for (int i = 0; i < 12; ++i)
        image.setPixel(int(rng() % unsigned(width)), int(rng() % unsigned(height)), i % 2 ? kPaper : kInk);
    return image;
}

// A square spiral wall with corridors one pixel wide, cut at a few places.
QImage randomSpiral(std::mt19937& rng, int width, int height)
{
    QImage image = blankImage(width, height);
    const QPoint steps[] = {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)};
    QPoint at(0, 0);
    image.setPixel(at, kInk);
    int lengths[] = {width - 1, height - 1};
    for (int leg = 0;; ++leg) {
        const int length = lengths[leg % 2];
        if (length <= 0)
            break;
        for (int i = 0; i < length; ++i) {
            at += steps[leg % 4];
            image.setPixel(at, kInk);
        }
        // The first two horizontal legs have the same length.
        if (leg > 0)
            lengths[leg % 2] -= 2;
    }
    for (int i = 0; i < 3; ++i)
        image.setPixel(int(rng() % unsigned(width)), int(rng() % unsigned(height)), i ? kPaper : kInk);
    return image;
}

} // namespace

TEST(FloodFill, AClickInsideAClosedOutlineFillsOnlyItsInside)
{
    const QRect box(3, 2, 10, 9); // outline on x 3..12, y 2..10
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage image = blankImage(20, 15, kPaper, format);
        drawOutline(image, box, kInk);
        const QImage before = image;

        EXPECT_EQ(floodFill(image, QPoint(6, 5), kPaint), QRect(4, 3, 8, 7));
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 4 && x <= 11 && y >= 3 && y <= 9;
                ASSERT_EQ(image.pixel(x, y), inside ? kPaint : before.pixel(x, y)) << x << "," << y;
            }

        // From outside, the outside is filled and the inside is left alone.
        image = before;
        EXPECT_EQ(floodFill(image, QPoint(0, 0), kPaint), QRect(0, 0, 20, 15));
        EXPECT_EQ(countPixels(image, kPaint), 20 * 15 - 10 * 9);
        EXPECT_EQ(countPixels(image, kPaper), 8 * 7);
        EXPECT_EQ(image.pixel(4, 3), kPaper);
        EXPECT_EQ(image.pixel(11, 9), kPaper);

        // On the outline itself, the outline alone is filled.
        image = before;
        EXPECT_EQ(floodFill(image, QPoint(3, 2), kPaint), box);
        EXPECT_EQ(countPixels(image, kPaint), 2 * 10 + 2 * 7);
        EXPECT_EQ(countPixels(image, kInk), 0);
    }
}

TEST(FloodFill, AnOddPixelFillsOnlyItselfAndItsLikeNextToIt)
{
    QImage image = blankImage(9, 7);
    image.setPixel(4, 3, kOther);
    image.setPixel(5, 4, kOther); // diagonal to (4, 3)
    image.setPixel(2, 3, kOther); // two to the left
    image.setPixel(6, 1, kOther);
    image.setPixel(7, 1, kOther); // a pair side by side
    QImage expected = image;
    expected.setPixel(4, 3, kPaint);

    EXPECT_EQ(floodFill(image, QPoint(4, 3), kPaint), QRect(4, 3, 1, 1));
    EXPECT_EQ(firstDifference(image, expected), QPoint(-1, -1));

    EXPECT_EQ(floodFill(image, QPoint(7, 1), kPaint), QRect(6, 1, 2, 1));
    EXPECT_EQ(image.pixel(6, 1), kPaint);
    EXPECT_EQ(countPixels(image, kPaint), 3);
    EXPECT_EQ(countPixels(image, kOther), 2);
}

TEST(FloodFill, DiagonalNeighboursAreNotConnected)
{
    // A checkerboard: every pixel touches its own colour only at corners.
    QImage board = blankImage(8, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            board.setPixel(x, y, (x + y) % 2 ? kInk : kPaper);
    for (const QPoint seed : {QPoint(3, 2), QPoint(0, 0), QPoint(7, 5), QPoint(7, 0)}) {
        QImage image = board;
        EXPECT_EQ(floodFill(image, seed, kPaint), QRect(seed, QSize(1, 1)));
        EXPECT_EQ(countPixels(image, kPaint), 1);
        EXPECT_EQ(image.pixel(seed), kPaint);
    }

    // A diagonal line of ink parts the paper: above it x > y, below it x < y.
    QImage image = blankImage(10, 10);
    for (int i = 0; i < 10; ++i)
        image.setPixel(i, i, kInk);
    EXPECT_EQ(floodFill(image, QPoint(7, 2), kPaint), QRect(1, 0, 9, 9));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(image.pixel(x, y), x > y ? kPaint : (x == y ? kInk : kPaper)) << x << "," << y;
}

TEST(FloodFill, ColoursAreComparedOnRedGreenAndBlueOnly)
{
    QImage image = blankImage(6, 4);
    auto* second = reinterpret_cast<quint32*>(image.scanLine(1));
    auto* third = reinterpret_cast<quint32*>(image.scanLine(2));
    for (int x = 0; x < 6; ++x) {
        second[x] = kPaper & 0x00FFFFFF; // paper with a different top byte
        third[x] = kOther;
    }
    EXPECT_EQ(floodFill(image, QPoint(0, 0), kPaint & 0x00FFFFFF), QRect(0, 0, 6, 2));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const quint32 raw = reinterpret_cast<const quint32*>(image.constScanLine(y))[x];
            ASSERT_EQ(raw, y < 2 ? kPaint : (y == 2 ? kOther : kPaper)) << x << "," << y;
        }
}

TEST(FloodFill, NothingChangesOutsideTheImageForItsOwnColourOrAnotherFormat)
{
    QImage image = blankImage(10, 8);
    drawOutline(image, QRect(2, 2, 5, 4), kInk);
    const QImage shared = image; // a fill with nothing to do must not detach
    for (const QPoint seed : {QPoint(-1, 0), QPoint(0, -1), QPoint(10, 0), QPoint(0, 8), QPoint(10, 8),
                              QPoint(-5, -5), QPoint(INT_MIN, INT_MAX)}) {
        EXPECT_TRUE(floodFill(image, seed, kPaint).isEmpty()) << seed.x() << "," << seed.y();
        EXPECT_EQ(image.constBits(), shared.constBits());
    }
    EXPECT_TRUE(floodFill(image, QPoint(0, 0), kPaper).isEmpty());
    EXPECT_TRUE(floodFill(image, QPoint(2, 2), kInk).isEmpty());
    EXPECT_TRUE(floodFill(image, QPoint(4, 4), kPaper & 0x00FFFFFF).isEmpty());
    EXPECT_EQ(image.constBits(), shared.constBits());

    for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_Indexed8}) {
        QImage other = image.convertToFormat(format);
        const QImage before = other.copy();
        EXPECT_TRUE(floodFill(other, QPoint(0, 0), kPaint).isEmpty()) << format;
        EXPECT_EQ(firstDifference(other, before), QPoint(-1, -1)) << format;
    }
    QImage none;
    EXPECT_TRUE(floodFill(none, QPoint(0, 0), kPaint).isEmpty());
}

TEST(FloodFill, TheRectangleIsTheBoundingBoxOfThePaintedPixels)
{
    // An L of paper on ink: the top bar on row 2 from x 3 to 9, the upright
    // on column 3 from y 2 to 8.
    QImage image = blankImage(12, 10, kInk);
    for (int x = 3; x <= 9; ++x)
        image.setPixel(x, 2, kPaper);
    for (int y = 2; y <= 8; ++y)
        image.setPixel(3, y, kPaper);
    EXPECT_EQ(floodFill(image, QPoint(9, 2), kPaint), QRect(3, 2, 7, 7));
    EXPECT_EQ(countPixels(image, kPaint), 7 + 6);

    // A cross from edge to edge, filled from its left end.
    image = blankImage(12, 10, kInk);
    for (int x = 0; x < 12; ++x)
        image.setPixel(x, 5, kPaper);
    for (int y = 0; y < 10; ++y)
        image.setPixel(6, y, kPaper);
    EXPECT_EQ(floodFill(image, QPoint(0, 5), kPaint), QRect(0, 0, 12, 10));
    EXPECT_EQ(countPixels(image, kPaint), 12 + 10 - 1);

    image = blankImage(5, 4);
    EXPECT_EQ(floodFill(image, QPoint(4, 3), kPaint), QRect(0, 0, 5, 4));
    EXPECT_EQ(countPixels(image, kPaint), 20);
}

TEST(FloodFill, ASerpentineIsFilledRoundEveryTurnUpToASealedWall)
{
    // Column walls at x = 2, 5, ..., 38; wall 10 stands at x = 32 and is sealed.
    for (const bool acrossRows : {false, true}) {
        QImage image = acrossRows ? serpentine(30, 41, true, 10) : serpentine(41, 30, false, 10);
        const QImage before = image;
        const QRect reached = acrossRows ? QRect(0, 0, 30, 32) : QRect(0, 0, 32, 30);
        EXPECT_EQ(floodFill(image, QPoint(0, 0), kPaint), reached);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool filled = before.pixel(x, y) == kPaper && reached.contains(x, y);
                ASSERT_EQ(image.pixel(x, y), filled ? kPaint : before.pixel(x, y))
                    << (acrossRows ? "rows " : "columns ") << x << "," << y;
            }
    }
}

TEST(FloodFill, RandomPicturesMazesAndSpiralsMatchAPlainFill)
{
    const QRgb fills[] = {kPaint, kInk, kOther, kPaper};
    for (unsigned picture = 1; picture <= 50; ++picture) {
        std::mt19937 rng(picture);
        const int width = 37 + int(rng() % 164u);
        const int height = 23 + int(rng() % 128u);
        const std::function<QImage()> makers[] = {
            [&] { return randomNoise(rng, width, height, 2); },
            [&] { return randomNoise(rng, width, height, 3); },
            [&] { return randomBoxes(rng, width, height); },
            [&] { return randomMaze(rng, width, height); },
            [&] { return randomSpiral(rng, width, height); },
        };
        QImage image = makers[picture % 5]();
        QImage reference = image;
        // The same fills on the picture's tiles, which meet at tile edges,
        // and on a page that starts as one shared tile of paper.
        TileGrid tiles;
        tiles.reset(Picture::fromImage(image));
        TileGrid paper;
        paper.reset(Picture::filled(QSize(width, height), kPaper));
        QImage paperReference = blankImage(width, height);
        // Every other picture is filled with a twin alongside, which starts
        // as the picture and must then follow it pixel for pixel.
        const bool withTwin = picture % 2 == 0;
        QImage twin = image.copy();
        // Fills follow one another on the same picture, so later ones meet
        // the regions that earlier ones painted.
        for (int k = 0; k < 8; ++k) {
            const QPoint seed(int(rng() % unsigned(width)), int(rng() % unsigned(height)));
            const QRgb fill = fills[rng() % 4u];
            const QImage before = image.copy();
            const QRect painted = withTwin ? floodFillBoth(image, twin, seed, fill) : floodFill(image, seed, fill);
            const QRect expected = referenceFill(reference, seed, fill);
            if (withTwin)
                ASSERT_EQ(firstDifference(twin, image), QPoint(-1, -1)) << "twin of picture " << picture;
            ASSERT_EQ(firstDifference(image, reference), QPoint(-1, -1))
                << "picture " << picture << " fill " << k << " from " << seed.x() << "," << seed.y();
            ASSERT_EQ(painted, expected) << "picture " << picture << " fill " << k;
            ASSERT_EQ(painted, changedArea(before, image)) << "picture " << picture << " fill " << k;
            ASSERT_EQ(floodFillTiles(tiles, seed, fill), expected) << "picture " << picture << " fill " << k;
            ASSERT_EQ(firstDifference(tiles.frozen().toImage(), reference), QPoint(-1, -1))
                << "tiles of picture " << picture << " fill " << k;
            ASSERT_EQ(floodFillTiles(paper, seed, fill), referenceFill(paperReference, seed, fill));
            ASSERT_EQ(firstDifference(paper.frozen().toImage(), paperReference), QPoint(-1, -1))
                << "paper tiles, fill " << k;
        }
    }
}

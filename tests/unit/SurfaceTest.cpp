// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>

#include <QPainter>

#include "canvas/Surface.h"
#include "support/CheckedSurface.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;

// Twips of pixel (x, y) on a 15-twips-per-pixel surface.
QPointF px(int x, int y)
{
    return QPointF(x * 15.0, y * 15.0);
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (fromRgb32(image.pixel(x, y)) != kWhite)
                r |= QRect(x, y, 1, 1);
    return r;
}

// A 100 x 100 pixel box drawn with a one-pixel black border, filled with
// `style` in red.
QImage boxWithFillStyle(int style)
{
    Surface s(QSize(140, 140));
    s.setAutoRedraw(true);
    s.setFillColor(kRed);
    s.setFillStyle(style);
    s.box(px(20, 20), px(120, 120), kBlack);
    return s.persistentImage().copy(25, 25, 90, 90); // well inside the border
}

} // namespace

// Every Surface a test makes checks its invariants after each operation.
class SurfaceTest : public ::testing::Test
{
  protected:
    using Surface = CheckedSurface;
};

TEST_F(SurfaceTest, RefreshRemovesTransientDrawingAndOnlyIt)
{
    Surface s(QSize(200, 100));
    s.setAutoRedraw(true);
    s.line(px(10, 10), px(190, 10), kRed);
    s.setAutoRedraw(false);
    s.setDrawWidth(3);
    s.line(px(10, 5), px(190, 90), kBlack);
    s.circle(px(100, 50), 30 * 15, kBlack);

    EXPECT_GT(countPixels(s.screen(), kBlack), 100);
    EXPECT_EQ(countPixels(s.persistentImage(), kBlack), 0)
        << "transient drawing reached the persistent image";

    s.refresh();
    EXPECT_EQ(firstDifference(s.screen(), s.persistentImage()), QPoint(-1, -1));
    EXPECT_EQ(countPixels(s.screen(), kBlack), 0);
    EXPECT_GT(countPixels(s.screen(), kRed), 150) << "persistent drawing did not survive Refresh";
}

TEST_F(SurfaceTest, PersistentDrawingShowsOnScreenOverTransientDrawing)
{
    Surface s(QSize(100, 100));
    s.line(px(0, 50), px(99, 50), kBlack); // transient
    s.setAutoRedraw(true);
    s.line(px(50, 0), px(50, 99), kRed);
    EXPECT_EQ(pixelAt(s.screen(), 50, 50), kRed);
    EXPECT_EQ(pixelAt(s.screen(), 10, 50), kBlack);
    EXPECT_EQ(pixelAt(s.persistentImage(), 10, 50), kWhite);
}

TEST_F(SurfaceTest, RefreshRepaintsOnlyWhereTransientDrawingWas)
{
    Surface s(QSize(2000, 1000));
    QRect repainted;
    s.setChangeListener([&](const QRegion& r) { repainted |= r.boundingRect(); });
    s.line(px(10, 10), px(40, 40), kBlack);
    s.line(px(1900, 900), px(1950, 950), kBlack);
    repainted = QRect();
    s.refresh();
    // Two small areas in opposite corners: nothing in the middle is repainted.
    QRect middle(500, 300, 1000, 400);
    EXPECT_FALSE(repainted.isEmpty());
    int covered = 0;
    s.setChangeListener([&](const QRegion& r) { covered += r.intersects(middle) ? 1 : 0; });
    s.line(px(10, 10), px(40, 40), kBlack);
    s.refresh();
    EXPECT_EQ(covered, 0);
}

TEST_F(SurfaceTest, HiddenSurfaceKeepsOnlyWhatIsDrawnWithAutoRedrawOn)
{
    Surface page(QSize(50, 50));
    page.setShown(false);
    page.line(px(0, 0), px(49, 49), kBlack);
    EXPECT_EQ(countPixels(page.persistentImage(), kBlack), 0);
    EXPECT_EQ(countPixels(page.screen(), kBlack), 0);
    page.setAutoRedraw(true);
    page.line(px(0, 0), px(49, 49), kBlack);
    EXPECT_GT(countPixels(page.persistentImage(), kBlack), 40);
}

TEST_F(SurfaceTest, FillStylesGiveTheirPatterns)
{
    const QImage solid = boxWithFillStyle(0);
    EXPECT_EQ(countPixels(solid, kRed), 90 * 90);

    const QImage transparent = boxWithFillStyle(1);
    EXPECT_EQ(countPixels(transparent, kWhite), 90 * 90);

    auto rowFull = [](const QImage& im, int y) {
        return countPixels(im, kRed, QRect(0, y, im.width(), 1)) == im.width();
    };
    auto columnFull = [](const QImage& im, int x) {
        return countPixels(im, kRed, QRect(x, 0, 1, im.height())) == im.height();
    };
    auto countRows = [&](const QImage& im) {
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            n += rowFull(im, y);
        return n;
    };
    auto countColumns = [&](const QImage& im) {
        int n = 0;
        for (int x = 0; x < im.width(); ++x)
            n += columnFull(im, x);
        return n;
    };

    const QImage horizontal = boxWithFillStyle(2);
    EXPECT_GE(countRows(horizontal), 5);
    EXPECT_EQ(countColumns(horizontal), 0);
    EXPECT_EQ(countPixels(horizontal, kRed), countRows(horizontal) * 90) << "only whole rows are red";

    const QImage vertical = boxWithFillStyle(3);
    EXPECT_GE(countColumns(vertical), 5);
    EXPECT_EQ(countRows(vertical), 0);

    const QImage cross = boxWithFillStyle(6);
    EXPECT_GE(countRows(cross), 5);
    EXPECT_GE(countColumns(cross), 5);

    // A diagonal pattern continues along its direction: up and to the right
    // ("/") for the upward diagonal, down and to the right ("\") for the
    // downward one.
    auto followsDiagonal = [](const QImage& im, int dy) {
        int along = 0, total = 0;
        for (int y = 1; y < im.height() - 1; ++y)
            for (int x = 0; x < im.width() - 1; ++x)
                if (pixelAt(im, x, y) == kRed) {
                    ++total;
                    along += pixelAt(im, x + 1, y + dy) == kRed;
                }
        return total > 0 && along > total * 9 / 10;
    };
    const QImage upward = boxWithFillStyle(4);
    const QImage downward = boxWithFillStyle(5);
    EXPECT_TRUE(followsDiagonal(upward, -1));
    EXPECT_FALSE(followsDiagonal(upward, +1));
    EXPECT_TRUE(followsDiagonal(downward, +1));
    EXPECT_FALSE(followsDiagonal(downward, -1));
    EXPECT_EQ(countRows(upward), 0);

    const QImage diagonalCross = boxWithFillStyle(7);
    EXPECT_GT(countPixels(diagonalCross, kRed), countPixels(upward, kRed) * 3 / 2);
    EXPECT_EQ(countRows(diagonalCross), 0);
}

TEST_F(SurfaceTest, EllipseAspectPicksTheSemiAxisTheRadiusMeans)
{
    auto ellipse = [](double aspect) {
        Surface s(QSize(300, 300));
        s.setAutoRedraw(true);
        s.setDrawWidth(1);
        s.circle(px(150, 150), 100 * 15, kBlack, std::nullopt, std::nullopt, aspect);
        return inkBounds(s.persistentImage());
    };
    const QRect flat = ellipse(0.5); // radius is the horizontal semi-axis
    EXPECT_NEAR(flat.width(), 201, 2);
    EXPECT_NEAR(flat.height(), 101, 2);
    const QRect tall = ellipse(2.0); // radius is the vertical semi-axis
    EXPECT_NEAR(tall.width(), 101, 2);
    EXPECT_NEAR(tall.height(), 201, 2);
    const QRect round = ellipse(1.0);
    EXPECT_NEAR(round.width(), 201, 2);
    EXPECT_NEAR(round.height(), 201, 2);
}

TEST_F(SurfaceTest, ArcsRunCounterClockwiseFromTheRightAsSeenOnScreen)
{
    Surface s(QSize(300, 300));
    s.setAutoRedraw(true);
    s.circle(px(150, 150), 100 * 15, kBlack, 0.0, std::numbers::pi / 2);
    const QRect ink = inkBounds(s.persistentImage());
    // The upper-right quarter: right of the centre and above it.
    EXPECT_GE(ink.left(), 148);
    EXPECT_LE(ink.bottom(), 152);
    EXPECT_NEAR(ink.right(), 250, 2);
    EXPECT_NEAR(ink.top(), 50, 2);
}

TEST_F(SurfaceTest, PointReadsBackWhatWasDrawn)
{
    Surface s(QSize(100, 100));
    s.setAutoRedraw(true);
    s.plot(px(10, 20), 0x123456);
    s.setForeColor(kRed);
    s.plot(px(30, 40));
    EXPECT_EQ(s.pixel(px(10, 20)), 0x123456);
    EXPECT_EQ(s.pixel(px(30, 40)), qint64(kRed));
    EXPECT_EQ(s.pixel(px(50, 50)), qint64(kWhite));
    EXPECT_EQ(s.pixel(px(-1, 5)), -1);
    EXPECT_EQ(s.pixel(px(100, 5)), -1);
    s.setScaleMode(Surface::ScaleMode::Pixels);
    EXPECT_EQ(s.pixel(QPointF(10, 20)), 0x123456);
}

TEST_F(SurfaceTest, TheSameCallsOnTwoSurfacesGiveIdenticalImages)
{
    auto drawAll = [](Surface& s) {
        s.setAutoRedraw(true);
        s.setFillColor(0x00FF80);
        for (int width : {1, 2, 5, 14}) {
            s.setDrawWidth(width);
            for (int style = 0; style < 8; ++style) {
                s.setFillStyle(style);
                const double x = 300 + style * 700, y = 300 + width * 400;
                s.box(QPointF(x, y), QPointF(x + 517, y + 263), 0x808080);
                s.circle(QPointF(x + 200, y + 150), 171.3, 0xFF00FF, std::nullopt, std::nullopt, 0.6);
                s.circle(QPointF(x + 400, y + 150), 123.7, 0x0000FF, 0.3, 4.0);
                s.line(QPointF(x, y), QPointF(x + 601.5, y - 200.25), 0x00FFFF);
            }
        }
        s.setCurrentX(500);
        s.setCurrentY(4000);
        s.setFontSize(18);
        s.print(QStringLiteral("Lienzo ñ"));
    };
    Surface a(QSize(420, 420)), b(QSize(420, 420));
    drawAll(a);
    drawAll(b);
    EXPECT_EQ(firstDifference(a.persistentImage(), b.persistentImage()), QPoint(-1, -1));
    EXPECT_GT(countPixels(a.persistentImage(), kWhite), 0);
}

TEST_F(SurfaceTest, ZeroLengthSegmentLeavesADotOfThePenWidth)
{
    Surface s(QSize(50, 50));
    s.setAutoRedraw(true);
    s.setDrawWidth(5);
    s.line(px(25, 25), px(25, 25), kBlack);
    const QRect ink = inkBounds(s.persistentImage());
    EXPECT_NEAR(ink.width(), 5, 1);
    EXPECT_NEAR(ink.height(), 5, 1);
    EXPECT_EQ(pixelAt(s.persistentImage(), 25, 25), kBlack);
}

TEST_F(SurfaceTest, TextStandsWithItsTopLeftCornerAtThePrintPosition)
{
    Surface s(QSize(400, 100));
    s.setAutoRedraw(true);
    s.setFontName(QStringLiteral("Arial"));
    s.setFontSize(18);
    s.setCurrentX(px(100, 30).x());
    s.setCurrentY(px(100, 30).y());
    s.print(QStringLiteral("HELLO"));
    const QRect ink = inkBounds(s.persistentImage());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 104);
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.top(), 40);
    // Aliased text: black and white only.
    EXPECT_EQ(countPixels(s.persistentImage(), kBlack) + countPixels(s.persistentImage(), kWhite), 400 * 100);
}

TEST_F(SurfaceTest, BackColorRepaintsWithThePictureOnTop)
{
    Surface s(QSize(60, 40));
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    s.setAutoRedraw(true);
    s.line(px(30, 30), px(50, 30), kBlack);
    s.setPicture(picture);
    EXPECT_EQ(countPixels(s.persistentImage(), kBlack), 0) << "setting the picture replaces the drawing";
    s.setBackColor(kRed);
    EXPECT_EQ(pixelAt(s.persistentImage(), 5, 5), 0xFF0000u);
    EXPECT_EQ(pixelAt(s.persistentImage(), 40, 30), kRed);
    EXPECT_EQ(countPixels(s.persistentImage(), 0xFF0000), 200);
    EXPECT_EQ(firstDifference(s.screen(), s.persistentImage()), QPoint(-1, -1));
    EXPECT_DOUBLE_EQ(s.width(), 900);
    EXPECT_DOUBLE_EQ(s.height(), 600);
}

TEST_F(SurfaceTest, AShownSurfaceGivenAPicturePaintsItFromItsTiles)
{
    Surface s(QSize(200, 150));
    s.setBackColor(kRed);
    QImage picture(90, 70, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    for (int x = 0; x < 90; ++x)
        picture.setPixel(x, 66, qRgb(0, 255, 0)); // a row that crosses the first tile's edge
    s.setPicture(picture);
    EXPECT_EQ(s.imageBytes(), 0) << "no full image before anything draws";

    // Painted over grey, the region shows the picture on BackColor and the
    // rest of the target is left alone.
    QImage target(200, 150, QImage::Format_RGB32);
    target.fill(QColor(128, 128, 128));
    {
        QPainter p(&target);
        s.paint(p, QRegion(QRect(60, 40, 100, 60)) | QRegion(QRect(0, 0, 10, 10)));
    }
    EXPECT_EQ(pixelAt(target, 5, 5), 0xFF0000u);
    EXPECT_EQ(pixelAt(target, 70, 66), 0x00FF00u);
    EXPECT_EQ(pixelAt(target, 89, 69), 0xFF0000u);
    EXPECT_EQ(pixelAt(target, 90, 69), kRed);
    EXPECT_EQ(pixelAt(target, 159, 99), kRed);
    EXPECT_EQ(pixelAt(target, 160, 99), 0x808080u);
    EXPECT_EQ(pixelAt(target, 30, 30), 0x808080u);

    // Painted whole, it is what the surface's own image holds, and it stays
    // so once a figure has been drawn and wiped.
    QImage whole(200, 150, QImage::Format_RGB32);
    {
        QPainter p(&whole);
        s.paint(p, QRegion(0, 0, 200, 150));
    }
    EXPECT_EQ(countPixels(whole, 0xFF0000), 90 * 69);
    EXPECT_EQ(firstDifference(whole, s.persistentImage()), QPoint(-1, -1));
    s.setAutoRedraw(false);
    s.line(px(0, 140), px(199, 0), kBlack);
    s.refresh();
    {
        QPainter p(&whole);
        s.paint(p, QRegion(0, 0, 200, 150));
    }
    EXPECT_EQ(firstDifference(whole, s.persistentImage()), QPoint(-1, -1));
}

// However the painter's target takes the pixels (copied straight into an
// image it paints on, moved by its translation, or drawn by the painter
// itself), the region shows what the surface shows and nothing else changes.
TEST_F(SurfaceTest, PaintingARegionGivesTheShownPixelsOnEveryKindOfTarget)
{
    // One surface with a figure on its screen layer, one that holds a
    // picture only in its tiles (an edge tile cut by the picture's edge).
    Surface drawn(QSize(300, 200));
    drawn.setAutoRedraw(true);
    drawn.line(px(0, 0), px(299, 199), kRed);
    drawn.setAutoRedraw(false);
    drawn.setDrawWidth(3);
    drawn.circle(px(150, 100), 80 * 15.0, kBlack);
    QImage picture(150, 90, QImage::Format_RGB32);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 150; ++x)
            picture.setPixel(x, y, qRgb(x, y, 200));
    QImage tiledLook(300, 200, QImage::Format_RGB32);
    tiledLook.fill(Qt::white);
    QPainter(&tiledLook).drawImage(0, 0, picture);

    QRegion region(QRect(60, 10, 40, 180));
    region += QRect(200, 150, 100, 50); // reaches the surface's edge
    region += QRect(0, 0, 600, 3);      // and past it, clipped to it
    const QRegion expected = region & QRect(0, 0, 300, 200);
    const QPoint shift(17, 9);
    const QColor grey(128, 128, 128);
    for (bool fromTiles : {false, true}) {
        // Reading a surface's pixels makes its full image, so each painting
        // of the tiles gets a surface of its own.
        std::optional<Surface> tiled;
        auto surface = [&]() -> Surface* {
            if (!fromTiles)
                return &drawn;
            tiled.emplace(QSize(300, 200));
            tiled->setPicture(picture);
            return &*tiled;
        };
        const QImage look = fromTiles ? tiledLook : drawn.screen();
        for (QImage::Format format :
             {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
            Surface* s = surface();
            EXPECT_EQ(s->imageBytes() == 0, fromTiles);
            QImage target(340, 230, format);
            target.fill(grey);
            {
                QPainter p(&target);
                p.translate(shift);
                s->paint(p, region);
            }
            const QImage seen = target.convertToFormat(QImage::Format_RGB32);
            int wrong = 0;
            for (int y = 0; y < seen.height(); ++y)
                for (int x = 0; x < seen.width(); ++x) {
                    const QPoint at = QPoint(x, y) - shift;
                    const QRgb want = expected.contains(at) ? look.pixel(at) : grey.rgb();
                    wrong += seen.pixel(x, y) != want ? 1 : 0;
                }
            EXPECT_EQ(wrong, 0) << (fromTiles ? "tiles" : "drawn") << ", format " << int(format);
        }
        // A target smaller than the region takes what falls on it.
        QImage small(50, 40, QImage::Format_RGB32);
        small.fill(grey);
        {
            QPainter p(&small);
            p.translate(-140, -65);
            surface()->paint(p, QRegion(0, 0, 300, 200));
        }
        EXPECT_EQ(firstDifference(small, look.copy(140, 65, 50, 40)), QPoint(-1, -1));
    }
}

// Inside a batch nothing is reported; at its end one region covers the
// wiped preview and everything drawn since, and nothing far from them.
TEST_F(SurfaceTest, AChangeBatchReportsEverythingItChangedOnce)
{
    Surface s(QSize(1000, 800));
    std::vector<QRegion> reports;
    s.setChangeListener([&](const QRegion& r) { reports.push_back(r); });
    s.setDrawWidth(2);
    s.line(px(10, 10), px(60, 60), kBlack);
    reports.clear();
    {
        const Surface::ChangeBatch outer(s);
        {
            const Surface::ChangeBatch inner(s);
            s.refresh();
            s.circle(px(500, 400), 100 * 15.0, kBlack);
        }
        EXPECT_TRUE(reports.empty()) << "an inner batch leaves the report to the outer one";
        s.line(px(900, 700), px(950, 790), kBlack);
        s.setAutoRedraw(true);
        s.box(px(700, 100), px(750, 150), kRed);
        s.setAutoRedraw(false);
        EXPECT_TRUE(reports.empty());
    }
    ASSERT_EQ(reports.size(), 1u);
    const QRegion& r = reports.front();
    for (QPoint p :
         {QPoint(10, 10), QPoint(35, 35), QPoint(60, 60), QPoint(400, 400), QPoint(600, 400),
          QPoint(500, 300), QPoint(900, 700), QPoint(950, 790), QPoint(700, 100), QPoint(750, 150)})
        EXPECT_TRUE(r.contains(p)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(500, 400), QPoint(200, 600), QPoint(900, 100), QPoint(10, 700)})
        EXPECT_FALSE(r.contains(p)) << p.x() << "," << p.y();
    // With no batch, each figure is reported as it is drawn.
    reports.clear();
    s.refresh();
    s.line(px(10, 10), px(60, 60), kBlack);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(SurfaceTest, SegmentsDrawnAsOneFigureGiveThePixelsOfEachInTurn)
{
    const std::vector<std::pair<QPointF, QPointF>> segments = {{px(30, 40), px(90, 40)},
                                                               {px(60, 10), px(60, 70)},
                                                               {px(100, 20), px(140, 65)},
                                                               {px(20, 80), px(20, 80)}};
    // The same figure again, moved (partly off the surface), and twice over:
    // the second time lays down the pixels the first one found.
    const QPoint shifts[] = {{0, 0}, {0, 0}, {7, -3}, {-35, -45}, {100, 50}, {7, -3}};
    for (int width : {1, 2, 5}) {
        Surface one(QSize(160, 100));
        for (QPoint shift : shifts) {
            Surface each(QSize(160, 100));
            for (Surface* s : {&one, &each}) {
                s->setForeColor(kRed);
                s->setDrawWidth(width);
            }
            std::vector<std::pair<QPointF, QPointF>> moved;
            for (const auto& [from, to] : segments)
                moved.emplace_back(from + px(shift.x(), shift.y()), to + px(shift.x(), shift.y()));
            one.lines(moved);
            for (const auto& [from, to] : moved)
                each.line(from, to);
            EXPECT_EQ(firstDifference(one.screen(), each.screen()), QPoint(-1, -1))
                << "width " << width << " moved by " << shift.x() << "," << shift.y();
            if (shift.isNull()) {
                EXPECT_GT(countPixels(one.screen(), kRed), 60 + 60 + 45);
            }
            // Drawn with AutoRedraw off, the figure goes with the next refresh.
            one.refresh();
            EXPECT_EQ(countPixels(one.screen(), kRed), 0) << "width " << width;
        }
    }
}

TEST_F(SurfaceTest, BoxOutlinesOfEverySizeAndWidthGiveThePixelsOfTheirStroke)
{
    // Boxes from the smallest big enough for a laid-down outline upward, odd
    // and even, reversed corners, and boxes cut by the surface's edges.
    for (int width : {1, 2, 3, 4, 7, 10}) {
        const int side = 4 * width + 16;
        const std::pair<QPoint, QPoint> boxes[] = {{{5, 5}, {5 + side - 1, 5 + side - 1}},
                                                   {{6, 4}, {6 + side, 4 + side + 1}},
                                                   {{150, 95}, {20, 15}},
                                                   {{-20, -15}, {300, 90}},
                                                   {{30, 40}, {40, 45}}};
        for (const auto& [from, to] : boxes) {
            Surface s(QSize(160, 100));
            s.setDrawWidth(width);
            s.box(px(from.x(), from.y()), px(to.x(), to.y()), kRed);
            QImage stroked(160, 100, QImage::Format_RGB32);
            stroked.fill(Qt::white);
            {
                QPainter p(&stroked);
                p.setPen(QPen(QColor(Qt::red), width <= 1 ? 0 : width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                const QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                                QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
                p.drawRect(QRectF(box.topLeft(), box.bottomRight()));
            }
            EXPECT_EQ(firstDifference(s.screen(), stroked), QPoint(-1, -1))
                << "width " << width << " from " << from.x() << "," << from.y() << " to " << to.x() << "," << to.y();
        }
    }
}

TEST_F(SurfaceTest, CircleWithAnInfiniteNanOrHugeRadiusStaysBounded)
{
    Surface s(QSize(100, 100));
    s.setAutoRedraw(true);
    s.setDrawWidth(3);
    for (double radius :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 1e300, 3e9})
        s.circle(px(50, 50), radius, kBlack);
    // Each ring lies far beyond the surface, so nothing shows on it.
    EXPECT_EQ(countPixels(s.persistentImage(), kWhite), 100 * 100);

    s.circle(px(50, 50), std::numeric_limits<double>::quiet_NaN(), kBlack);
    EXPECT_EQ(pixelAt(s.persistentImage(), 50, 50), kBlack) << "a radius that is not a number draws a point";
    s.circle(px(50, 50), 1e300, kBlack, 0.0, std::numeric_limits<double>::quiet_NaN(),
             std::numeric_limits<double>::infinity());
}

TEST_F(SurfaceTest, ResizeLaysThePictureOutWholeOverTheNewSize)
{
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    Surface s(QSize(50, 50));
    s.setPicture(picture);
    s.setAutoRedraw(true);
    s.line(px(10, 10), px(20, 10), kBlack);

    s.resize(QSize(100, 120));
    const QImage& shown = s.persistentImage();
    EXPECT_EQ(pixelAt(shown, 75, 75), kRed) << "the picture was cut at the old size";
    EXPECT_EQ(pixelAt(shown, 15, 10), kBlack) << "the drawing was lost";
    EXPECT_EQ(pixelAt(shown, 50, 110), kWhite) << "below the picture the surface shows its BackColor";
    s.setBackColor(kWhite); // repaints from the picture: the same image as before
    EXPECT_EQ(pixelAt(s.persistentImage(), 75, 75), kRed);
    EXPECT_EQ(firstDifference(s.screen(), s.persistentImage()), QPoint(-1, -1));
}

TEST_F(SurfaceTest, ResizeKeepsTheDrawingAtTheTopLeftShownOrHidden)
{
    // Grown or cut, shown or hidden: the drawing stays where it was and any
    // new area shows BackColor, as if the old pixels were laid over it.
    constexpr Colour kGreen = 0x00FF00;
    for (const bool shown : {true, false}) {
        for (const QSize to : {QSize(200, 150), QSize(40, 30), QSize(60, 300)}) {
            // The old pixels come from a twin: reading the surface's own
            // would make it a full image and hide what its tiles do.
            Surface s(QSize(100, 80));
            Surface twin(QSize(100, 80));
            for (Surface* each : {&s, &twin}) {
                each->setShown(shown);
                each->setBackColor(kGreen);
                each->setAutoRedraw(true);
                each->setDrawWidth(3);
                each->line(px(5, 10), px(90, 70), kRed);
                each->circle(px(30, 40), 20 * 15, kBlack);
            }
            QImage expected(to, QImage::Format_RGB32);
            expected.fill(toQColor(kGreen));
            QPainter(&expected).drawImage(0, 0, twin.persistentImage());

            s.resize(to);
            EXPECT_EQ(firstDifference(s.persistentImage(), expected), QPoint(-1, -1))
                << (shown ? "shown" : "hidden") << " surface resized to " << to.width() << "x" << to.height();
            EXPECT_EQ(firstDifference(s.screen(), expected), QPoint(-1, -1));
            if (!shown) {
                s.line(px(0, 0), px(1, 0), kBlack); // any drawing lets go of the reader's copy
                EXPECT_EQ(s.imageBytes(), 0) << "a hidden surface keeps its pixels in its tiles alone";
            }
        }
    }
}

TEST_F(SurfaceTest, PlotGridWritesWhatPlottingEachPointGives)
{
    // Twenty pixels at 15 twips: points every 150 twips fall on pixels 0 and
    // 10; 300 twips is the right edge, one pixel past the last column.
    Surface grid(QSize(20, 20));
    grid.setAutoRedraw(true);
    grid.plotGrid(150, 300, 300);
    std::vector<QPoint> ink;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (pixelAt(grid.persistentImage(), x, y) != kWhite)
                ink.emplace_back(x, y);
    EXPECT_EQ(ink, (std::vector<QPoint>{{0, 0}, {10, 0}, {0, 10}, {10, 10}}));

    // Points every 50 twips (3 1/3 pixels), on the screen layer and on the
    // persistent image, against plotting them one by one.
    for (bool persistent : {false, true}) {
        Surface fast(QSize(301, 203));
        Surface slow(QSize(301, 203));
        fast.setAutoRedraw(persistent);
        slow.setAutoRedraw(persistent);
        fast.setForeColor(kRed);
        slow.setForeColor(kRed);
        fast.plotGrid(50, fast.width(), fast.height());
        for (int x = 0; x <= slow.width(); x += 50)
            for (int y = 0; y <= slow.height(); y += 50)
                slow.plot(QPointF(x, y));
        EXPECT_EQ(firstDifference(fast.screen(), slow.screen()), QPoint(-1, -1)) << persistent;
        EXPECT_EQ(firstDifference(fast.persistentImage(), slow.persistentImage()), QPoint(-1, -1))
            << persistent;
        fast.refresh();
        EXPECT_EQ(firstDifference(fast.screen(), fast.persistentImage()), QPoint(-1, -1));
    }
}

TEST_F(SurfaceTest, RefreshWipesEveryTransientFigureWhole)
{
    // Whatever a figure paints must lie inside the areas it reports, or a
    // refresh would leave some of it behind.
    std::mt19937 random(20261208);
    auto coordinate = [&](int limit) { return std::uniform_int_distribution<int>(-40, limit + 40)(random); };
    Surface s(QSize(320, 240));
    s.setAutoRedraw(true);
    s.filledBox(px(0, 0), px(320, 240), 0x808080);
    s.setAutoRedraw(false);
    for (int round = 0; round < 300; ++round) {
        s.setDrawWidth(std::uniform_int_distribution<int>(1, 14)(random));
        s.setFillStyle(round % 3 == 0 ? 0 : 1);
        const int ax = coordinate(320), ay = coordinate(240), bx = coordinate(320), by = coordinate(240);
        const QPointF a = px(ax, ay);
        const QPointF b = px(bx, by);
        switch (round % 5) {
        case 0:
            s.line(a, b, kRed);
            break;
        case 1:
            s.box(a, b, kRed);
            break;
        case 2:
            s.circle(a, std::abs(b.x() - a.x()), kRed);
            break;
        case 3:
            s.circle(a, std::abs(b.x() - a.x()), kRed, std::nullopt, std::nullopt, 0.3 + (round % 7) * 0.4);
            break;
        case 4:
            s.circle(a, std::abs(b.y() - a.y()), kRed, 0.1 * (round % 63), 0.1 * (round % 17));
            break;
        }
        s.refresh();
        ASSERT_EQ(firstDifference(s.screen(), s.persistentImage()), QPoint(-1, -1))
            << "figure " << round % 5 << " from " << ax << "," << ay << " to " << bx << "," << by << " width "
            << s.drawWidth() << " fill style " << s.fillStyle();
    }
}

TEST_F(SurfaceTest, AHiddenSurfaceKeepsItsPixelsOnlyInItsTiles)
{
    Surface page(QSize(640, 480));
    page.setShown(false);
    page.setAutoRedraw(true);
    page.line(px(10, 10), px(600, 400), kRed);
    page.circle(px(320, 240), 100 * 15, kBlack);
    page.setFillColor(kRed);
    page.setFillStyle(0);
    page.box(px(500, 20), px(600, 90), kBlack);
    EXPECT_EQ(page.imageBytes(), 0);
    EXPECT_EQ(page.pixel(px(305, 205)), qint64(kRed));
    EXPECT_EQ(page.pixel(px(550, 50)), qint64(kRed)) << "the box's interior";

    // The same drawing on a shown surface gives the same pixels.
    Surface shown(QSize(640, 480));
    shown.setAutoRedraw(true);
    shown.line(px(10, 10), px(600, 400), kRed);
    shown.circle(px(320, 240), 100 * 15, kBlack);
    shown.setFillColor(kRed);
    shown.setFillStyle(0);
    shown.box(px(500, 20), px(600, 90), kBlack);
    EXPECT_EQ(firstDifference(page.image().toImage(), shown.persistentImage()), QPoint(-1, -1));

    // A snapshot shares every tile the next figures do not touch, and they
    // leave it as it was: the first makes the page a grid of its own, the
    // second changes that grid in place.
    const Picture before = page.image();
    const QImage beforePixels = before.toImage();
    page.line(px(5, 470), px(40, 470), kBlack);
    page.line(px(200, 470), px(230, 470), kBlack);
    EXPECT_EQ(firstDifference(before.toImage(), beforePixels), QPoint(-1, -1));
    EXPECT_EQ(page.checkInvariants(), QString());
    EXPECT_EQ(sharedTileCount(before, page.image()), before.tileCount() - 2);
    EXPECT_EQ(page.pixel(px(215, 470)), qint64(kBlack));
    EXPECT_EQ(page.imageBytes(), 0);

    // So does a fill, which needs the whole picture while it runs.
    page.setFillColor(0x00FF00);
    page.floodFill(px(550, 50));
    EXPECT_EQ(page.imageBytes(), 0);
    EXPECT_EQ(page.pixel(px(550, 50)), qint64(0x00FF00));
    EXPECT_EQ(page.pixel(px(320, 20)), qint64(kWhite));
}

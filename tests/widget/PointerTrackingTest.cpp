// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include <QBackingStore>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/FramePacer.h"
#include "support/ManualFrameClock.h"
#include "support/SurfaceCompare.h"

namespace {

class TrackingTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.show();
        // Show page 1 as a page switch does, so that the start-up picture
        // does not stand in the way of comparing the canvas with the page.
        window.canvas().setPicture(window.page(0).image());
    }

    // A drag through the given pixel positions with the left button held.
    void drag(std::initializer_list<QPoint> points, int button = 1)
    {
        for (QPoint p : points)
            window.canvasMoved(button, 0, float(p.x() * 15), float(p.y() * 15));
    }

    bool pagesUntouched(int from = 0)
    {
        for (int i = from; i < 10; ++i)
            if (countPixels(window.page(i).persistentImage(), kWhite) !=
                window.page(i).persistentImage().width() * window.page(i).persistentImage().height())
                return false;
        return true;
    }

    // The pixel column where x's image about the vertical axis falls.
    int mirrorColumn(int x) { return int(std::lround((2.0 * axisX() - x * 15) / 15)); }
    int mirrorRow(int y) { return int(std::lround((2.0 * axisY() - y * 15) / 15)); }
    int axisX() { return window.state().mirrorAxisX; }
    int axisY() { return window.state().mirrorAxisY; }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(TrackingTest, FreehandWithTheVerticalMirrorDrawsTheStrokeAndItsImageOnCanvasAndPage)
{
    const EditorState& s = window.state();
    ASSERT_EQ(s.toolMode, Tool::Freehand);
    ASSERT_TRUE(s.mirrorVertical);
    ASSERT_EQ(s.mirrorAxisX, 7058); // the middle of a 14115-twip canvas

    drag({{100, 100}, {150, 120}, {200, 200}});

    const QImage canvas = window.canvas().persistentImage();
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(firstDifference(canvas, page), QPoint(-1, -1)) << "page buffer differs from the canvas";
    EXPECT_EQ(pixelAt(page, 150, 120), kBlack);
    EXPECT_EQ(pixelAt(page, mirrorColumn(150), 120), kBlack) << "mirror image missing";
    EXPECT_EQ(pixelAt(page, 200, 200), kBlack);
    EXPECT_EQ(pixelAt(page, mirrorColumn(200), 200), kBlack);
    // Every pixel of the drawing has its mirror image in the drawing, to within
    // the one pixel that rasterising a wide line in the other direction may
    // shift an edge by.
    int ink = 0, unmatched = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 1; x < page.width() - 1; ++x) {
            if (pixelAt(page, x, y) != kBlack)
                continue;
            ++ink;
            const int m = mirrorColumn(x);
            if (countPixels(page, kBlack, QRect(m - 1, y, 3, 1)) == 0)
                ++unmatched;
        }
    EXPECT_GT(ink, 400);
    EXPECT_EQ(unmatched, 0) << "the mirror copy is not the stroke's image";
    EXPECT_TRUE(pagesUntouched(1));
    // The mirror anchor holds the image of the last-but-one position.
    EXPECT_EQ(s.mirrorAnchorX, 2 * s.mirrorAxisX - 150 * 15);
}

TEST_F(TrackingTest, FreehandStartsFromTheLastPositionBeforeThePress)
{
    window.state().mirrorVertical = false;
    window.canvasMoved(0, 0, 50 * 15, 50 * 15);
    window.canvasMoved(1, 0, 60 * 15, 50 * 15);
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 50, 50), kBlack);
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 55, 50), kBlack);
}

TEST_F(TrackingTest, LineDragShowsARubberBandAndLeavesNothingPersistent)
{
    window.state().toolMode = Tool::Line;
    window.state().anchorX = 100 * 15;
    window.state().anchorY = 100 * 15;
    window.state().mirrorAnchorX = 2 * window.state().mirrorAxisX - 100 * 15;
    window.state().mirrorAnchorY = 2 * window.state().mirrorAxisY - 100 * 15;
    drag({{150, 150}, {200, 100}});

    const QImage screen = window.canvas().screen();
    EXPECT_EQ(pixelAt(screen, 150, 100), kBlack) << "rubber band not shown";
    EXPECT_EQ(pixelAt(screen, mirrorColumn(150), 100), kBlack) << "mirrored rubber band not shown";
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kBlack), 0);
    EXPECT_TRUE(pagesUntouched());

    // The next move wipes the previous band.
    drag({{100, 300}});
    EXPECT_NE(pixelAt(window.canvas().screen(), 150, 100), kBlack);
}

TEST_F(TrackingTest, AMoveWithoutAButtonShowsOnlyTheCrosshair)
{
    for (std::uint8_t tool :
         {Tool::Line, Tool::Dots, Tool::Freehand, Tool::Rectangle, Tool::Eraser, Tool::Fill}) {
        window.state().toolMode = tool;
        window.canvasMoved(0, 0, 200 * 15, 200 * 15);
        window.canvasMoved(0, 0, 210 * 15, 220 * 15);
    }
    EXPECT_TRUE(pagesUntouched());
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kBlack), 0);
    const QImage screen = window.canvas().screen();
    // Arms of 100 twips plus the grid step: about 7 pixels each way.
    EXPECT_EQ(pixelAt(screen, 210 + 6, 220), kBlack);
    EXPECT_EQ(pixelAt(screen, 210, 220 - 6), kBlack);
    EXPECT_EQ(pixelAt(screen, 210 + 12, 220), kWhite);
    EXPECT_EQ(pixelAt(screen, 200, 200), kWhite) << "the previous crosshair stays on screen";
}

TEST_F(TrackingTest, EraserWithHalfSizeZeroWhitensOnlyThePointerOnCanvasAndPage)
{
    window.state().mirrorVertical = false;
    drag({{100, 100}, {300, 100}}); // a black stroke across the canvas
    window.canvasMoved(0, 0, 0, 0);
    window.page(0).setAutoRedraw(true); // as every release leaves it
    ASSERT_EQ(pixelAt(window.page(0).persistentImage(), 200, 100), kBlack);

    window.state().toolMode = Tool::Eraser;
    ASSERT_EQ(window.state().eraserHalfSize, 0);
    drag({{200, 100}});
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(pixelAt(page, 200, 100), kWhite);
    EXPECT_EQ(pixelAt(page, 190, 100), kBlack) << "a zero-size eraser whitened more than its spot";
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), page), QPoint(-1, -1));
}

TEST_F(TrackingTest, EraserWhitensItsSquareAndOutlinesItOnlyOnScreen)
{
    window.state().mirrorVertical = false;
    for (int y = 80; y <= 120; y += 4)
        drag({{80, y}, {120, y}});
    window.canvasMoved(0, 0, 0, 0);
    window.page(0).setAutoRedraw(true); // as every release leaves it
    window.state().toolMode = Tool::Eraser;
    window.state().eraserHalfSize = 145; // the largest square: 290 twips
    drag({{100, 100}});
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(countPixels(page, kBlack, QRect(92, 92, 17, 17)), 0);
    EXPECT_GT(countPixels(page, kBlack, QRect(80, 80, 41, 41)), 0);
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), page), QPoint(-1, -1));
    // The outline is on the screen layer: black at the square's edge on
    // screen, white in the drawing.
    EXPECT_EQ(pixelAt(window.canvas().screen(), 110, 100), kBlack);
    EXPECT_TRUE(pagesUntouched(1));
}

TEST_F(TrackingTest, DotsAreLaidWithTheirMirrorImages)
{
    window.state().toolMode = Tool::Dots;
    window.state().mirrorHorizontal = true;
    drag({{100, 100}});
    const QImage page = window.page(0).persistentImage();
    for (QPoint c : {QPoint(100, 100), QPoint(mirrorColumn(100), 100), QPoint(100, mirrorRow(100))})
        EXPECT_GT(countPixels(page, kBlack, QRect(c.x() - 5, c.y() - 5, 11, 11)), 8) << c.x() << "," << c.y();
    EXPECT_EQ(countPixels(page, kBlack, QRect(mirrorColumn(100) - 5, mirrorRow(100) - 5, 11, 11)), 0)
        << "central copy is off";
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), page), QPoint(-1, -1));
}

TEST_F(TrackingTest, TextToolShowsTheTypedTextAtThePointerWithOrWithoutAButton)
{
    window.state().toolMode = Tool::Text;
    window.textEntry()->setText(QStringLiteral("Hola"));
    window.canvasMoved(0, 0, 100 * 15, 100 * 15);
    EXPECT_GT(countPixels(window.canvas().screen(), kBlack, QRect(100, 100, 60, 30)), 30);
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kBlack), 0);
    window.canvasMoved(1, 0, 300 * 15, 300 * 15);
    EXPECT_GT(countPixels(window.canvas().screen(), kBlack, QRect(300, 300, 60, 30)), 30);
    EXPECT_EQ(countPixels(window.canvas().screen(), kBlack, QRect(100, 100, 60, 30)), 0);
}

TEST_F(TrackingTest, SnappingPutsThePointerOnTheGrid)
{
    window.state().gridStep = 100;
    window.canvasMoved(0, 0, 149, 251.5f);
    EXPECT_EQ(window.state().pointerX, 100);
    EXPECT_EQ(window.state().pointerY, 200);
    EXPECT_EQ(window.state().previousX, 100);
    window.state().gridStep = 1;
    window.canvasMoved(0, 0, 2.5f, 3.5f);
    EXPECT_EQ(window.state().pointerX, 2);
    EXPECT_EQ(window.state().pointerY, 4);
}

TEST_F(TrackingTest, PointerFarOutsideTheCanvasDrawsWhatFallsInsideAndNeverCrashes)
{
    window.state().mirrorVertical = true;
    window.state().mirrorHorizontal = true;
    window.state().mirrorCentral = true;
    const float far[] = {-1e6f, -20000.0f, 0.0f, 9600.0f, 200000.0f, 3e9f, -3e9f, 1e30f};
    for (std::uint8_t tool :
         {Tool::Freehand, Tool::Line, Tool::Dots, Tool::Rectangle, Tool::Eraser, Tool::Text}) {
        window.state().toolMode = tool;
        window.state().eraserHalfSize = 145;
        for (float x : far)
            for (float y : far)
                window.canvasMoved(1, 0, x, y);
    }
    // A freehand stroke from inside to far outside still draws its inside part.
    window.state().toolMode = Tool::Freehand;
    window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = false;
    window.page(0).setBackColor(kWhite);
    window.canvasMoved(0, 0, 100 * 15, 100 * 15);
    window.canvasMoved(1, 0, -50000, 100 * 15);
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 50, 100), kBlack);
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 0, 100), kBlack);
    // An overflowing move is abandoned whole: the previous position stays.
    window.canvasMoved(0, 0, 10 * 15, 10 * 15);
    window.canvasMoved(0, 0, 3e9f, 10 * 15);
    EXPECT_EQ(window.state().previousX, 150);
}

TEST_F(TrackingTest, TheCanvasWidgetPassesTwipsAndTheButtonMask)
{
    window.state().mirrorVertical = false;
    CanvasView* view = window.canvasView();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &e);
    };
    send(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window.state().pointerX, 600);
    send(QEvent::MouseButtonPress, {40, 40}, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, {80, 40}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 60, 40), kBlack) << "a right-button drag paints too";
}

TEST_F(TrackingTest, AnOverflowInTheMirrorArithmeticLeavesTheCanvasDrawingOnItsScreenLayer)
{
    // The pointer itself is a valid whole number of twips, but its image
    // about the vertical axis is not.
    const float edge = -2147483008.0f; // leaves room for the crosshair arms
    for (std::uint8_t tool : {Tool::Dots, Tool::Freehand}) {
        window.state().toolMode = tool;
        window.canvasMoved(1, 0, edge, 100 * 15);
        window.canvasMoved(1, 0, edge, 100 * 15);
        EXPECT_FALSE(window.canvas().autoRedraw()) << int(tool);
    }
    // A later crosshair is still wiped by the next move.
    window.canvasMoved(0, 0, 300 * 15, 300 * 15);
    window.canvasMoved(0, 0, 500 * 15, 500 * 15);
    EXPECT_EQ(pixelAt(window.canvas().screen(), 300, 300), kWhite);
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kBlack), 0);
}

// The window's own image, where the canvas widget paints, holds what the
// canvas shows after every move and release: each repaint covers everything
// a move wiped and drew, however the changes were gathered into one region.
TEST_F(TrackingTest, TheWindowShowsWhatTheCanvasShowsAfterEveryMoveAndRelease)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.mainBarClicked(int(MainCommand::Curve));
    window.curveModeClicked(0);
    window.state().mirrorHorizontal = window.state().mirrorCentral = true;
    CanvasView* view = window.canvasView();
    auto* store = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
    ASSERT_NE(store, nullptr);
    const QRect where(view->mapTo(&window, QPoint(0, 0)), view->size());
    ASSERT_NE(where.topLeft(), QPoint(0, 0)) << "the canvas should sit away from the window's corner";
    // A whole frame passes before each event, so that every move is painted
    // as it comes.
    auto clock = std::make_unique<ManualFrameClock>();
    ManualFrameClock* frames = clock.get();
    view->pacer().setClock(std::move(clock));
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        frames->advance(view->pacer().frameInterval());
        QMouseEvent e(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &e);
        QCoreApplication::sendPostedEvents();
    };
    auto shown = [&] { return store->copy(where).convertToFormat(QImage::Format_RGB32); };
    send(QEvent::MouseMove, {200, 150}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(firstDifference(shown(), window.canvas().screen()), QPoint(-1, -1)) << "crosshair";
    send(QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton, Qt::LeftButton);
    for (QPoint p : {QPoint(260, 190), QPoint(263, 193), QPoint(150, 100), QPoint(330, 240)}) {
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(firstDifference(shown(), window.canvas().screen()), QPoint(-1, -1))
            << p.x() << "," << p.y();
    }
    send(QEvent::MouseButtonRelease, {330, 240}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(firstDifference(shown(), window.canvas().screen()), QPoint(-1, -1)) << "release";
    EXPECT_GT(countPixels(window.canvas().persistentImage(), kBlack), 4 * 400) << "four circles committed";
}

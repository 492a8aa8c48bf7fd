#include <gtest/gtest.h>

#include <cmath>

#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "support/SurfaceCompare.h"

namespace {

class TrackingTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        form.show();
        // Show page 1 as a page switch does, so that the start-up picture
        // does not stand in the way of comparing the canvas with the page.
        form.canvas().setPicture(form.page(0).image());
    }

    // A drag through the given pixel positions with the left button held.
    void drag(std::initializer_list<QPoint> points, int button = 1)
    {
        for (QPoint p : points)
            form.canvasMoved(button, 0, float(p.x() * 15), float(p.y() * 15));
    }

    bool pagesUntouched(int from = 0)
    {
        for (int i = from; i < 10; ++i)
            if (countPixels(form.page(i).persistentImage(), kWhite) !=
                form.page(i).persistentImage().width() * form.page(i).persistentImage().height())
                return false;
        return true;
    }

    // The pixel column where x's image about the vertical axis falls.
    int mirrorColumn(int x) { return int(std::lround((2.0 * axisX() - x * 15) / 15)); }
    int mirrorRow(int y) { return int(std::lround((2.0 * axisY() - y * 15) / 15)); }
    int axisX() { return form.state().mirrorAxisX; }
    int axisY() { return form.state().mirrorAxisY; }

    MainWindow form{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(TrackingTest, FreehandWithTheVerticalMirrorDrawsTheStrokeAndItsImageOnCanvasAndPage)
{
    const EditorState& s = form.state();
    ASSERT_EQ(s.toolMode, Tool::Freehand);
    ASSERT_TRUE(s.mirrorVertical);
    ASSERT_EQ(s.mirrorAxisX, 7058); // the middle of a 14115-twip canvas

    drag({{100, 100}, {150, 120}, {200, 200}});

    const QImage canvas = form.canvas().persistentImage();
    const QImage page = form.page(0).persistentImage();
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
    form.state().mirrorVertical = false;
    form.canvasMoved(0, 0, 50 * 15, 50 * 15);
    form.canvasMoved(1, 0, 60 * 15, 50 * 15);
    EXPECT_EQ(pixelAt(form.page(0).persistentImage(), 50, 50), kBlack);
    EXPECT_EQ(pixelAt(form.page(0).persistentImage(), 55, 50), kBlack);
}

TEST_F(TrackingTest, LineDragShowsARubberBandAndLeavesNothingPersistent)
{
    form.state().toolMode = Tool::Line;
    form.state().anchorX = 100 * 15;
    form.state().anchorY = 100 * 15;
    form.state().mirrorAnchorX = 2 * form.state().mirrorAxisX - 100 * 15;
    form.state().mirrorAnchorY = 2 * form.state().mirrorAxisY - 100 * 15;
    drag({{150, 150}, {200, 100}});

    const QImage screen = form.canvas().screen();
    EXPECT_EQ(pixelAt(screen, 150, 100), kBlack) << "rubber band not shown";
    EXPECT_EQ(pixelAt(screen, mirrorColumn(150), 100), kBlack) << "mirrored rubber band not shown";
    EXPECT_EQ(countPixels(form.canvas().persistentImage(), kBlack), 0);
    EXPECT_TRUE(pagesUntouched());

    // The next move wipes the previous band.
    drag({{100, 300}});
    EXPECT_NE(pixelAt(form.canvas().screen(), 150, 100), kBlack);
}

TEST_F(TrackingTest, AMoveWithoutAButtonShowsOnlyTheCrosshair)
{
    for (std::uint8_t tool :
         {Tool::Line, Tool::Dots, Tool::Freehand, Tool::Rectangle, Tool::Eraser, Tool::Fill}) {
        form.state().toolMode = tool;
        form.canvasMoved(0, 0, 200 * 15, 200 * 15);
        form.canvasMoved(0, 0, 210 * 15, 220 * 15);
    }
    EXPECT_TRUE(pagesUntouched());
    EXPECT_EQ(countPixels(form.canvas().persistentImage(), kBlack), 0);
    const QImage screen = form.canvas().screen();
    // Arms of 100 twips plus the grid step: about 7 pixels each way.
    EXPECT_EQ(pixelAt(screen, 210 + 6, 220), kBlack);
    EXPECT_EQ(pixelAt(screen, 210, 220 - 6), kBlack);
    EXPECT_EQ(pixelAt(screen, 210 + 12, 220), kWhite);
    EXPECT_EQ(pixelAt(screen, 200, 200), kWhite) << "the previous crosshair stays on screen";
}

TEST_F(TrackingTest, EraserWithHalfSizeZeroWhitensOnlyThePointerOnCanvasAndPage)
{
    form.state().mirrorVertical = false;
    drag({{100, 100}, {300, 100}}); // a black stroke across the canvas
    form.canvasMoved(0, 0, 0, 0);
    form.page(0).setAutoRedraw(true); // as every release leaves it
    ASSERT_EQ(pixelAt(form.page(0).persistentImage(), 200, 100), kBlack);

    form.state().toolMode = Tool::Eraser;
    ASSERT_EQ(form.state().eraserHalfSize, 0);
    drag({{200, 100}});
    const QImage page = form.page(0).persistentImage();
    EXPECT_EQ(pixelAt(page, 200, 100), kWhite);
    EXPECT_EQ(pixelAt(page, 190, 100), kBlack) << "a zero-size eraser whitened more than its spot";
    EXPECT_EQ(firstDifference(form.canvas().persistentImage(), page), QPoint(-1, -1));
}

TEST_F(TrackingTest, EraserWhitensItsSquareAndOutlinesItOnlyOnScreen)
{
    form.state().mirrorVertical = false;
    for (int y = 80; y <= 120; y += 4)
        drag({{80, y}, {120, y}});
    form.canvasMoved(0, 0, 0, 0);
    form.page(0).setAutoRedraw(true); // as every release leaves it
    form.state().toolMode = Tool::Eraser;
    form.state().eraserHalfSize = 145; // the largest square: 290 twips
    drag({{100, 100}});
    const QImage page = form.page(0).persistentImage();
    EXPECT_EQ(countPixels(page, kBlack, QRect(92, 92, 17, 17)), 0);
    EXPECT_GT(countPixels(page, kBlack, QRect(80, 80, 41, 41)), 0);
    EXPECT_EQ(firstDifference(form.canvas().persistentImage(), page), QPoint(-1, -1));
    // The outline is on the screen layer: black at the square's edge on
    // screen, white in the drawing.
    EXPECT_EQ(pixelAt(form.canvas().screen(), 110, 100), kBlack);
    EXPECT_TRUE(pagesUntouched(1));
}

TEST_F(TrackingTest, DotsAreLaidWithTheirMirrorImages)
{
    form.state().toolMode = Tool::Dots;
    form.state().mirrorHorizontal = true;
    drag({{100, 100}});
    const QImage page = form.page(0).persistentImage();
    for (QPoint c : {QPoint(100, 100), QPoint(mirrorColumn(100), 100), QPoint(100, mirrorRow(100))})
        EXPECT_GT(countPixels(page, kBlack, QRect(c.x() - 5, c.y() - 5, 11, 11)), 8) << c.x() << "," << c.y();
    EXPECT_EQ(countPixels(page, kBlack, QRect(mirrorColumn(100) - 5, mirrorRow(100) - 5, 11, 11)), 0)
        << "central copy is off";
    EXPECT_EQ(firstDifference(form.canvas().persistentImage(), page), QPoint(-1, -1));
}

TEST_F(TrackingTest, TextToolShowsTheTypedTextAtThePointerWithOrWithoutAButton)
{
    form.state().toolMode = Tool::Text;
    form.textEntry()->setText(QStringLiteral("Hola"));
    form.canvasMoved(0, 0, 100 * 15, 100 * 15);
    EXPECT_GT(countPixels(form.canvas().screen(), kBlack, QRect(100, 100, 60, 30)), 30);
    EXPECT_EQ(countPixels(form.canvas().persistentImage(), kBlack), 0);
    form.canvasMoved(1, 0, 300 * 15, 300 * 15);
    EXPECT_GT(countPixels(form.canvas().screen(), kBlack, QRect(300, 300, 60, 30)), 30);
    EXPECT_EQ(countPixels(form.canvas().screen(), kBlack, QRect(100, 100, 60, 30)), 0);
}

TEST_F(TrackingTest, SnappingPutsThePointerOnTheGrid)
{
    form.state().gridStep = 100;
    form.canvasMoved(0, 0, 149, 251.5f);
    EXPECT_EQ(form.state().pointerX, 100);
    EXPECT_EQ(form.state().pointerY, 200);
    EXPECT_EQ(form.state().previousX, 100);
    form.state().gridStep = 1;
    form.canvasMoved(0, 0, 2.5f, 3.5f);
    EXPECT_EQ(form.state().pointerX, 2);
    EXPECT_EQ(form.state().pointerY, 4);
}

TEST_F(TrackingTest, PointerFarOutsideTheCanvasDrawsWhatFallsInsideAndNeverCrashes)
{
    form.state().mirrorVertical = true;
    form.state().mirrorHorizontal = true;
    form.state().mirrorCentral = true;
    const float far[] = {-1e6f, -20000.0f, 0.0f, 9600.0f, 200000.0f, 3e9f, -3e9f, 1e30f};
    for (std::uint8_t tool :
         {Tool::Freehand, Tool::Line, Tool::Dots, Tool::Rectangle, Tool::Eraser, Tool::Text}) {
        form.state().toolMode = tool;
        form.state().eraserHalfSize = 145;
        for (float x : far)
            for (float y : far)
                form.canvasMoved(1, 0, x, y);
    }
    // A freehand stroke from inside to far outside still draws its inside part.
    form.state().toolMode = Tool::Freehand;
    form.state().mirrorVertical = form.state().mirrorHorizontal = form.state().mirrorCentral = false;
    form.page(0).setBackColor(kWhite);
    form.canvasMoved(0, 0, 100 * 15, 100 * 15);
    form.canvasMoved(1, 0, -50000, 100 * 15);
    EXPECT_EQ(pixelAt(form.page(0).persistentImage(), 50, 100), kBlack);
    EXPECT_EQ(pixelAt(form.page(0).persistentImage(), 0, 100), kBlack);
    // An overflowing move is abandoned whole: the previous position stays.
    form.canvasMoved(0, 0, 10 * 15, 10 * 15);
    form.canvasMoved(0, 0, 3e9f, 10 * 15);
    EXPECT_EQ(form.state().previousX, 150);
}

TEST_F(TrackingTest, TheCanvasWidgetPassesTwipsAndTheButtonMask)
{
    form.state().mirrorVertical = false;
    CanvasView* view = form.canvasView();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &e);
    };
    send(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form.state().pointerX, 600);
    send(QEvent::MouseButtonPress, {40, 40}, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, {80, 40}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(pixelAt(form.page(0).persistentImage(), 60, 40), kBlack)
        << "a right-button drag paints too";
}

TEST_F(TrackingTest, AnOverflowInTheMirrorArithmeticLeavesTheCanvasDrawingOnItsScreenLayer)
{
    // The pointer itself is a valid whole number of twips, but its image
    // about the vertical axis is not.
    const float edge = -2147483008.0f; // leaves room for the crosshair arms
    for (std::uint8_t tool : {Tool::Dots, Tool::Freehand}) {
        form.state().toolMode = tool;
        form.canvasMoved(1, 0, edge, 100 * 15);
        form.canvasMoved(1, 0, edge, 100 * 15);
        EXPECT_FALSE(form.canvas().autoRedraw()) << int(tool);
    }
    // A later crosshair is still wiped by the next move.
    form.canvasMoved(0, 0, 300 * 15, 300 * 15);
    form.canvasMoved(0, 0, 500 * 15, 500 * 15);
    EXPECT_EQ(pixelAt(form.canvas().screen(), 300, 300), kWhite);
    EXPECT_EQ(countPixels(form.canvas().persistentImage(), kBlack), 0);
}

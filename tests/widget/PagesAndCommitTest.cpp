// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>

#include <limits>

#include "app/Artwork.h"
#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;

class PagesTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.show();
        window.state().mirrorVertical = false;
    }

    // A whole gesture through the handlers, in pixels of the canvas.
    void gesture(QPoint from, QPoint to, int button = 1)
    {
        window.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasPressed(button, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasMoved(button, 0, float((from.x() + to.x()) / 2 * 15),
                           float((from.y() + to.y()) / 2 * 15));
        window.canvasMoved(button, 0, float(to.x() * 15), float(to.y() * 15));
        window.canvasReleased(button, 0, float(to.x() * 15), float(to.y() * 15));
    }

    QImage canvas() { return window.canvas().persistentImage(); }
    QImage page(int i) { return window.page(i).persistentImage(); }
    bool sameAsPage(int i) { return firstDifference(canvas(), page(i)) == QPoint(-1, -1); }
    void undo() { window.mainBarClicked(int(MainCommand::Undo)); }
    bool white(const QImage& im) { return countPixels(im, kWhite) == im.width() * im.height(); }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(PagesTest, AfterEveryReleaseThePageEqualsTheCanvas)
{
    window.pageClicked(0); // the start-up picture belongs to the canvas only
    window.state().mirrorVertical = true;
    window.state().mirrorHorizontal = true;
    const std::uint8_t tools[] = {Tool::Line,   Tool::Rectangle, Tool::Polygon, Tool::Freehand, Tool::Dots,
                                  Tool::Eraser, Tool::Line,      Tool::Fill,    Tool::Text};
    int k = 0;
    for (std::uint8_t tool : tools) {
        window.state().toolMode = tool;
        window.state().polygonMethod = std::int16_t(k % 3);
        window.state().colourRed = (k * 40) % 256;
        gesture(QPoint(100 + 20 * k, 120 + 10 * k), QPoint(300 - 5 * k, 200 + 30 * k), k % 2 ? 2 : 1);
        EXPECT_TRUE(sameAsPage(0)) << "tool " << int(tool);
        EXPECT_FALSE(window.canvas().autoRedraw());
        EXPECT_TRUE(window.page(0).autoRedraw());
        ++k;
    }
    EXPECT_FALSE(white(page(0)));
}

TEST_F(PagesTest, ALineReleaseWithAllMirrorsDrawsFourSegmentsOnEachSurface)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Line;
    window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = true;
    gesture(QPoint(100, 100), QPoint(200, 150));
    const int mx = int(std::lround((2.0 * window.state().mirrorAxisX - 150 * 15) / 15));
    const int my = int(std::lround((2.0 * window.state().mirrorAxisY - 125 * 15) / 15));
    // The midpoint of each of the four segments.
    for (QPoint p : {QPoint(150, 125), QPoint(mx, 125), QPoint(150, my), QPoint(mx, my)}) {
        EXPECT_EQ(pixelAt(page(0), p.x(), p.y()), kBlack) << p.x() << "," << p.y();
        EXPECT_EQ(pixelAt(canvas(), p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
}

TEST_F(PagesTest, ARectangleIsTheSameBoxWhicheverWayItIsDragged)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Rectangle;
    gesture(QPoint(300, 250), QPoint(100, 100));
    const QImage backwards = page(0);
    window.pageClicked(1);
    gesture(QPoint(100, 100), QPoint(300, 250));
    EXPECT_EQ(firstDifference(page(1), backwards), QPoint(-1, -1));
    EXPECT_EQ(pixelAt(backwards, 100, 180), kBlack);
    EXPECT_EQ(pixelAt(backwards, 200, 180), kWhite) << "the box is hollow before any fill";
}

TEST_F(PagesTest, AReleaseWithoutAMoveCommitsFromTheLastRecordedPosition)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Line;
    window.state().lineWidth = 5;
    window.canvasMoved(0, 0, 100 * 15, 100 * 15);
    window.canvasPressed(1, 0, 100 * 15, 100 * 15);
    window.canvasReleased(1, 0, 100 * 15, 100 * 15);
    // A zero-length segment: a dot of the pen width at the anchor.
    EXPECT_EQ(pixelAt(page(0), 100, 100), kBlack);
    EXPECT_GT(countPixels(page(0), kBlack, QRect(96, 96, 9, 9)), 8);
    EXPECT_TRUE(sameAsPage(0));
}

TEST_F(PagesTest, RightAndMiddleButtonsCommitLikeTheLeft)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Line;
    CanvasView* view = window.canvasView();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &e);
    };
    int row = 100;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        send(QEvent::MouseMove, {50, row}, Qt::NoButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, {50, row}, b, b);
        send(QEvent::MouseMove, {250, row}, Qt::NoButton, b);
        send(QEvent::MouseButtonRelease, {250, row}, b, Qt::NoButton);
        EXPECT_EQ(pixelAt(page(0), 150, row), kBlack) << "button " << int(b);
        row += 50;
    }
    EXPECT_EQ(window.state().historyPosition[0], 3);
}

TEST_F(PagesTest, ThePolygonCommittedIsTheOneLastPreviewed)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Polygon;
    window.optionBars().sidesBox->setEditText(QStringLiteral("6"));
    window.canvasPressed(1, 0, 300 * 15, 300 * 15);
    window.canvasMoved(1, 0, 380 * 15, 260 * 15);
    const QImage preview = window.canvas().screen().copy();
    window.canvasReleased(1, 0, 0, 0);
    EXPECT_EQ(window.state().polygonSides, 6);
    // Every pixel of the committed polygon was in the rubber band.
    const QImage committed = page(0);
    int inked = 0;
    for (int y = 150; y < 450; ++y)
        for (int x = 150; x < 450; ++x)
            if (pixelAt(committed, x, y) == kBlack) {
                ++inked;
                EXPECT_EQ(pixelAt(preview, x, y), kBlack) << x << "," << y;
            }
    EXPECT_GT(inked, 300);
}

TEST_F(PagesTest, EachPageKeepsItsOwnDrawingAndASwitchTouchesNoHistory)
{
    window.state().toolMode = Tool::Line;
    window.pageClicked(0);
    gesture(QPoint(100, 100), QPoint(200, 100));
    window.pageClicked(3);
    EXPECT_TRUE(white(canvas()));
    EXPECT_EQ(window.pageButtons[3]->backColor(), kBlue);
    EXPECT_EQ(window.pageButtons[0]->backColor(), kWhite);
    window.state().colourRed = 255;
    gesture(QPoint(100, 300), QPoint(200, 300));
    const auto positions = window.state().historyPosition;
    window.pageClicked(0);
    EXPECT_EQ(pixelAt(canvas(), 150, 100), kBlack);
    EXPECT_EQ(pixelAt(canvas(), 150, 300), kWhite);
    window.pageClicked(3);
    EXPECT_EQ(pixelAt(canvas(), 150, 300), kRed);
    EXPECT_EQ(window.state().historyPosition, positions);
    EXPECT_EQ(window.state().currentPage, 3);
    EXPECT_EQ(window.state().highlightedPage, 3);
}

TEST_F(PagesTest, UndoStepsBackOneFigureAtATimeAndWrapsRoundTheRing)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Line;
    std::vector<QImage> before; // the page before each figure
    for (int i = 0; i < 8; ++i) {
        before.push_back(page(0));
        gesture(QPoint(50, 50 + 30 * i), QPoint(400, 50 + 30 * i));
    }
    const QImage last = page(0);
    for (int step = 1; step <= 6; ++step) {
        undo();
        EXPECT_EQ(firstDifference(page(0), before[size_t(8 - step)]), QPoint(-1, -1)) << "step " << step;
        EXPECT_TRUE(sameAsPage(0));
    }
    undo(); // the seventh step has wrapped round to the page before the first undo
    EXPECT_EQ(firstDifference(page(0), last), QPoint(-1, -1));
    undo();
    EXPECT_EQ(firstDifference(page(0), before[7]), QPoint(-1, -1));
}

TEST_F(PagesTest, UndoOnAPageNeverDrawnOnGivesAWhitePage)
{
    window.pageClicked(5);
    undo();
    EXPECT_TRUE(white(canvas()));
    EXPECT_TRUE(white(page(5)));
}

TEST_F(PagesTest, AFreehandStrokesFirstUndoShowsNoChange)
{
    window.pageClicked(0);
    window.state().toolMode = Tool::Line;
    gesture(QPoint(50, 50), QPoint(300, 50));
    window.state().toolMode = Tool::Freehand;
    gesture(QPoint(50, 200), QPoint(300, 250));
    const QImage withStroke = page(0);
    undo();
    EXPECT_EQ(firstDifference(page(0), withStroke), QPoint(-1, -1));
    // The second goes back to the snapshot of the release before: the page
    // as it was before the line.
    undo();
    EXPECT_TRUE(white(page(0)));
}

TEST_F(PagesTest, TheFreshFlagIsSharedByAllPages)
{
    window.state().toolMode = Tool::Line;
    window.pageClicked(0);
    gesture(QPoint(50, 50), QPoint(300, 50));
    const QImage page0BeforeSecond = page(0);
    gesture(QPoint(50, 100), QPoint(300, 100));
    window.pageClicked(1);
    window.state().toolMode = Tool::Line;
    undo(); // stores page 1's state in page 1's ring and clears the shared flag
    EXPECT_FALSE(window.state().historyFresh);
    EXPECT_TRUE(white(page(1)));
    window.pageClicked(0);
    undo();
    // Page 0 still steps back to before its last figure.
    EXPECT_EQ(firstDifference(page(0), page0BeforeSecond), QPoint(-1, -1));
    EXPECT_TRUE(sameAsPage(0));
}

TEST_F(PagesTest, WithTheStartUpPictureShownThePageDiffersOnlyWhereThePictureShows)
{
    // Nothing reloads the canvas here: the start-up picture stays under the
    // figures on the canvas and never reaches the page.
    const QImage start = Artwork::startupPicture();
    window.state().mirrorVertical = true;
    const std::uint8_t tools[] = {Tool::Line, Tool::Rectangle, Tool::Freehand, Tool::Polygon, Tool::Dots};
    int k = 0;
    for (std::uint8_t tool : tools) {
        window.state().toolMode = tool;
        gesture(QPoint(40 + 60 * k, 60 + 90 * k), QPoint(500 - 40 * k, 500 + 30 * k));
        ++k;
    }
    const QImage c = canvas(), p = page(0);
    int differing = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (pixelAt(c, x, y) == pixelAt(p, x, y))
                continue;
            ++differing;
            ASSERT_EQ(pixelAt(p, x, y), kWhite) << x << "," << y;
            ASSERT_TRUE(start.rect().contains(x, y)) << x << "," << y;
            ASSERT_EQ(pixelAt(c, x, y), pixelAt(start, x, y)) << x << "," << y;
        }
    EXPECT_GT(differing, 1000);
    EXPECT_GT(countPixels(p, kBlack), 1000);
}

TEST_F(PagesTest, GesturesFarOutsideTheCanvasNeverCrashAndLeaveTheCanvasOnItsScreenLayer)
{
    window.pageClicked(0);
    window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = true;
    const float far[] = {-3e9f, -1e6f, 0.0f, 5e5f, 3e9f, std::numeric_limits<float>::infinity()};
    for (std::uint8_t tool : {Tool::Line, Tool::Rectangle, Tool::Polygon}) {
        window.state().toolMode = tool;
        for (float a : far)
            for (float b : far) {
                window.canvasPressed(1, 0, a, b);
                window.canvasMoved(1, 0, b, a);
                window.canvasReleased(1, 0, b, a);
                ASSERT_FALSE(window.canvas().autoRedraw());
                ASSERT_TRUE(window.page(0).autoRedraw());
            }
    }
    EXPECT_TRUE(sameAsPage(0));
    // The program still draws normally afterwards.
    window.state().toolMode = Tool::Line;
    window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = false;
    gesture(QPoint(10, 10), QPoint(100, 10));
    EXPECT_EQ(pixelAt(page(0), 50, 10), kBlack);
}

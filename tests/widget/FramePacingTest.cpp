// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <QBackingStore>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/FramePacer.h"
#include "support/ManualFrameClock.h"
#include "support/SurfaceCompare.h"

using namespace std::chrono_literals;

namespace {

struct ToolCase
{
    const char* name;
    MainCommand command;
    int curveMode = 0;
    int polygonMethod = 0;
};

const ToolCase kTools[] = {
    {"line", MainCommand::Line},
    {"rectangle", MainCommand::Rectangle},
    {"circle", MainCommand::Curve, 0},
    {"ellipse", MainCommand::Curve, 1},
    {"quarter_up", MainCommand::Curve, 2},
    {"quarter_down", MainCommand::Curve, 3},
    {"half", MainCommand::Curve, 4},
    {"half_side", MainCommand::Curve, 5},
    {"polygon_centre", MainCommand::Polygon, 0, 0},
    {"polygon_box", MainCommand::Polygon, 0, 1},
    {"polygon_side", MainCommand::Polygon, 0, 2},
    {"freehand", MainCommand::Freehand},
    {"dots", MainCommand::Dots},
    {"eraser", MainCommand::Eraser},
    {"fill", MainCommand::Fill},
    {"text", MainCommand::Text},
};

// A window with a tool chosen and all three mirrors on, whose canvas widget
// reads the time from a clock the test moves. Every event is followed by the
// repaints it asked for, as the event loop would carry them out.
class DrivenWindow
{
  public:
    explicit DrivenWindow(const ToolCase& tool)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.canvas().setPicture(window.page(0).image());
        window.mainBarClicked(int(tool.command));
        window.curveModeClicked(tool.curveMode);
        window.polygonMethodClicked(tool.polygonMethod);
        window.eraserSizeClicked(3);
        window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = true;
        if (tool.command == MainCommand::Text)
            window.textEntry()->setText(QStringLiteral("Lienzo"));
        auto owned = std::make_unique<ManualFrameClock>();
        clock = owned.get();
        view()->pacer().setClock(std::move(owned));
        QCoreApplication::sendPostedEvents();
    }

    CanvasView* view() { return window.canvasView(); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(view(), &e);
        QCoreApplication::sendPostedEvents();
    }
    // A press, then moves through `path` `apart` from each other.
    void drag(const std::vector<QPoint>& path, std::chrono::nanoseconds apart)
    {
        send(QEvent::MouseMove, path.front(), Qt::NoButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, path.front(), Qt::LeftButton, Qt::LeftButton);
        for (QPoint p : path)
            moveTo(p, apart);
    }
    void moveTo(QPoint p, std::chrono::nanoseconds after)
    {
        clock->advance(after);
        QCoreApplication::sendPostedEvents();
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    void endFrame()
    {
        clock->advance(view()->pacer().frameInterval());
        QCoreApplication::sendPostedEvents();
    }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }

    // What the window's image holds where the canvas widget sits.
    QImage shown()
    {
        auto* store = dynamic_cast<QImage*>(window.backingStore()->paintDevice());
        const QRect where(view()->mapTo(&window, QPoint(0, 0)), view()->size());
        return store ? store->copy(where).convertToFormat(QImage::Format_RGB32) : QImage();
    }

    MainWindow window{QSizeF(15360, 11520), 15.0};
    ManualFrameClock* clock = nullptr;
};

std::vector<QPoint> circlePath(int moves, double radius, double turns)
{
    std::vector<QPoint> path;
    for (int i = 0; i < moves; ++i) {
        const double a = 2 * M_PI * turns * i / moves;
        path.emplace_back(int(std::lround(420 + radius * std::cos(a))),
                          int(std::lround(330 + radius * std::sin(a) * 0.7)));
    }
    return path;
}

const QPoint kNone(-1, -1);
const ToolCase kFreehand{"freehand", MainCommand::Freehand};

} // namespace

// A drag whose moves all come within a frame or two, against the same drag
// with a whole frame between moves, which paints each move as it comes.
TEST(FramePacing, TheScreenAfterADragIsTheOnePaintedMoveByMove)
{
    const std::vector<QPoint> path = circlePath(24, 120, 0.8);
    for (const ToolCase& tool : kTools) {
        SCOPED_TRACE(tool.name);
        DrivenWindow paced(tool), perMove(tool);
        paced.drag(path, 1ms);
        perMove.drag(path, perMove.view()->pacer().frameInterval());
        EXPECT_FALSE(paced.view()->pacer().held().isEmpty()) << "no move was held for the frame's end";
        paced.endFrame();
        EXPECT_EQ(firstDifference(paced.shown(), perMove.shown()), kNone) << "after the last move";
        // The text tool's preview label lies over the canvas.
        if (tool.command != MainCommand::Text) {
            EXPECT_EQ(firstDifference(paced.shown(), paced.window.canvas().screen()), kNone);
        }

        // A release paints at once, with the move that waits for the frame.
        const QPoint last(300, 200);
        paced.moveTo(last, 1ms);
        perMove.moveTo(last, perMove.view()->pacer().frameInterval());
        ASSERT_FALSE(paced.view()->pacer().held().isEmpty());
        paced.release(last);
        perMove.release(last);
        EXPECT_EQ(firstDifference(paced.shown(), perMove.shown()), kNone) << "after the release";
        EXPECT_EQ(
            firstDifference(paced.window.canvas().persistentImage(), paced.window.page(0).persistentImage()),
            kNone)
            << "the page differs from the canvas";
    }
}

TEST(FramePacing, FreehandPutsEverySegmentOfAQuickStrokeOnThePage)
{
    const std::vector<QPoint> path = circlePath(500, 150, 1.5);
    DrivenWindow paced(kFreehand), perMove(kFreehand);
    paced.drag(path, 100us);
    perMove.drag(path, perMove.view()->pacer().frameInterval());
    paced.release(path.back());
    perMove.release(path.back());
    const QImage page = paced.window.page(0).persistentImage();
    EXPECT_GT(countPixels(page, kBlack), 4 * 1000);
    EXPECT_EQ(firstDifference(page, perMove.window.page(0).persistentImage()), kNone);
    EXPECT_EQ(firstDifference(paced.shown(), perMove.shown()), kNone);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Pointer moves and releases of every tool through the real window on the
// offscreen platform: the mouse event goes to the canvas widget and the
// repaint it asks for is carried out, so Qt's event handling and the painting
// of the widget are in every figure. Each move and release is measured
// against the same path with a refresh that copies the whole persistent image.

#include <benchmark/benchmark.h>

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "canvas/FramePacer.h"

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
    {"text", MainCommand::Text},
};

// A window for a screen of the given size in pixels at 15 twips to the pixel,
// with the tool chosen and all three mirrors on.
std::unique_ptr<MainWindow> windowFor(QSize screen, const ToolCase& tool)
{
    auto window = std::make_unique<MainWindow>(QSizeF(screen) * 15.0, 15.0);
    window->show();
    // Every move is measured with its repaint: what a move that paints costs.
    window->canvasView()->pacer().setFrameInterval(std::chrono::nanoseconds(0));
    window->mainBarClicked(int(tool.command));
    window->curveModeClicked(tool.curveMode);
    window->polygonMethodClicked(tool.polygonMethod);
    window->optionBars().sidesBox->setEditText(QStringLiteral("20"));
    window->eraserSizeClicked(5);
    window->state().mirrorVertical = window->state().mirrorHorizontal = window->state().mirrorCentral = true;
    if (tool.command == MainCommand::Text)
        window->textEntry()->setText(QStringLiteral("Lienzo"));
    // Only an exposed window paints: until the platform has said so, every
    // update would be dropped and no figure would include the repaint.
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    return window;
}

// Counts the paint events a widget gets, so that a benchmark can check that
// every move it measured was painted.
class PaintCounter : public QObject
{
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    long count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void send(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

// The anchor and the two pointer positions a move alternates between: a
// preview about 300 x 300 pixels, or a band across most of the canvas.
struct Drag
{
    QPoint anchor;
    QPoint pointer;
};

Drag dragFor(QSize canvas, bool bigBand)
{
    if (bigBand)
        return {QPoint(60, 60), QPoint(canvas.width() - 80, canvas.height() - 80)};
    return {QPoint(canvas.width() / 4, canvas.height() / 4),
            QPoint(canvas.width() / 4 + 300, canvas.height() / 4 + 300)};
}

void BM_Move(benchmark::State& st, QSize screen, int toolIndex, bool bigBand, bool plain)
{
    const ToolCase& tool = kTools[toolIndex];
    auto window = windowFor(screen, tool);
    CanvasView* view = window->canvasView();
    if (plain)
        window->canvas().setRefreshMode(Surface::RefreshMode::WholeImage);
    const Drag drag = dragFor(view->size(), bigBand);
    send(view, QEvent::MouseMove, drag.anchor, Qt::NoButton, Qt::NoButton);
    send(view, QEvent::MouseButtonPress, drag.anchor, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    PaintCounter paints(view);
    long moves = 0;
    for (auto _ : st) {
        const int wobble = (moves++ & 1) * 3;
        send(view, QEvent::MouseMove, drag.pointer + QPoint(wobble, wobble), Qt::NoButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }
    send(view, QEvent::MouseButtonRelease, drag.pointer, Qt::LeftButton, Qt::NoButton);
    if (paints.count < moves)
        st.SkipWithError("the canvas was not repainted after every move");
    st.SetLabel(tool.name);
}

void BM_Release(benchmark::State& st, QSize screen, int toolIndex, bool plain)
{
    const ToolCase& tool = kTools[toolIndex];
    auto window = windowFor(screen, tool);
    CanvasView* view = window->canvasView();
    if (plain)
        window->canvas().setRefreshMode(Surface::RefreshMode::WholeImage);
    const Drag drag = dragFor(view->size(), false);
    int i = 0;
    for (auto _ : st) {
        st.PauseTiming();
        const QPoint shift((i % 5) * 40, (i / 5 % 5) * 40);
        ++i;
        if (tool.command == MainCommand::Text)
            window->textEntry()->setText(QStringLiteral("Lienzo"));
        send(view, QEvent::MouseMove, drag.anchor + shift, Qt::NoButton, Qt::NoButton);
        send(view, QEvent::MouseButtonPress, drag.anchor + shift, Qt::LeftButton, Qt::LeftButton);
        send(view, QEvent::MouseMove, drag.pointer + shift, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
        st.ResumeTiming();
        send(view, QEvent::MouseButtonRelease, drag.pointer + shift, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::sendPostedEvents();
    }
    st.SetLabel(tool.name);
}

constexpr QSize k4K(3840, 2160);
const double kMinTime = qEnvironmentVariableIsSet("LIENZO_BENCH_MIN_TIME")
                            ? qEnvironmentVariable("LIENZO_BENCH_MIN_TIME").toDouble()
                            : 0.2;
constexpr QSize k1080p(1920, 1080);

void registerWindowBenchmarks()
{
    for (int t = 0; t < int(std::size(kTools)); ++t) {
        const std::string name = kTools[t].name;
        for (auto [size, sizeName] : {std::pair{k4K, "4K"}, std::pair{k1080p, "1080p"}}) {
            for (bool plain : {false, true}) {
                benchmark::RegisterBenchmark(
                    ("BM_Move/" + std::string(sizeName) + "/" + name + (plain ? "/plain" : "")).c_str(),
                    BM_Move, size, t, false, plain)
                    ->Unit(benchmark::kMicrosecond)
                    ->MinTime(kMinTime);
            }
        }
        for (bool plain : {false, true})
            benchmark::RegisterBenchmark(("BM_MoveBigBand/4K/" + name + (plain ? "/plain" : "")).c_str(),
                                         BM_Move, k4K, t, true, plain)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(kMinTime);
        for (bool plain : {false, true})
            benchmark::RegisterBenchmark(("BM_Release/4K/" + name + (plain ? "/plain" : "")).c_str(), BM_Release,
                                         k4K, t, plain)
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(50);
    }
}

const bool kRegistered = (registerWindowBenchmarks(), true);

} // namespace

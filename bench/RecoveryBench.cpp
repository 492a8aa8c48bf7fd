// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping the drawing: what it adds to a release on the window's thread, one
// busy 1080p page coded and written by the writer, and ten such pages read
// back at start. Each against the plain way measured in the same run: a
// full-page image made on the window's thread, and the page as a PNG written
// and read with QImage.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include <QApplication>
#include <QImageWriter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWindow>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "files/AtomicFile.h"
#include "files/TileFile.h"
#include "recovery/DrawingKeeper.h"
#include "recovery/KeptDrawing.h"

namespace {

constexpr QSize k1080p(1920, 1080);

struct Tool
{
    const char* name;
    MainCommand command;
    int curveMode = 0;
};

const Tool kTools[] = {
    {"line", MainCommand::Line},           {"rectangle", MainCommand::Rectangle},
    {"circle", MainCommand::Curve, 0},     {"ellipse", MainCommand::Curve, 1},
    {"quarter_up", MainCommand::Curve, 2}, {"quarter_down", MainCommand::Curve, 3},
    {"half", MainCommand::Curve, 4},       {"half_side", MainCommand::Curve, 5},
    {"polygon", MainCommand::Polygon},     {"freehand", MainCommand::Freehand},
    {"dots", MainCommand::Dots},           {"eraser", MainCommand::Eraser},
    {"fill", MainCommand::Fill},           {"text", MainCommand::Text},
};

void send(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

// The keeping a release hands to the keeper, timed alone after each release
// of the tool with all mirrors on: the page's tiles taken and handed to the
// writer. The plain way makes the page into one image there instead.
void BM_KeepRelease(benchmark::State& st, int toolIndex, bool plain)
{
    const Tool& tool = kTools[toolIndex];
    MainWindow window(QSizeF(k1080p) * 15.0, 15.0);
    window.show();
    window.mainBarClicked(int(tool.command));
    window.curveModeClicked(tool.curveMode);
    window.state().mirrorVertical = window.state().mirrorHorizontal = window.state().mirrorCentral = true;
    QCoreApplication::processEvents();
    CanvasView* view = window.canvasView();
    const QPoint anchor(view->width() / 4, view->height() / 4);
    int i = 0;
    QImage handed;
    for (auto _ : st) {
        const QPoint shift((i % 5) * 40, (i / 5 % 5) * 40);
        ++i;
        if (tool.command == MainCommand::Text)
            window.textEntry()->setText(QStringLiteral("Lienzo"));
        send(view, QEvent::MouseMove, anchor + shift, Qt::NoButton, Qt::NoButton);
        send(view, QEvent::MouseButtonPress, anchor + shift, Qt::LeftButton, Qt::LeftButton);
        send(view, QEvent::MouseMove, anchor + shift + QPoint(300, 300), Qt::NoButton, Qt::LeftButton);
        send(view, QEvent::MouseButtonRelease, anchor + shift + QPoint(300, 300), Qt::LeftButton,
             Qt::NoButton);
        QCoreApplication::sendPostedEvents();
        window.keeper().flush();
        Surface& page = window.page(window.state().currentPage);
        const auto start = std::chrono::steady_clock::now();
        if (plain) {
            handed = page.image().toImage();
        } else {
            window.keeper().keep(window.state().currentPage, page.image());
            window.keeper().handOver();
        }
        const auto end = std::chrono::steady_clock::now();
        st.SetIterationTime(std::chrono::duration<double>(end - start).count());
        window.keeper().flush();
    }
    benchmark::DoNotOptimize(handed);
    st.SetLabel(tool.name);
}

// A page after a long lesson: two hundred figures of every kind, hatched
// fills among them, drawn by the program's own surface.
Picture busyPage(int seed)
{
    Surface page(k1080p, 15.0);
    page.setShown(false);
    page.setAutoRedraw(true);
    QRandomGenerator random(quint32(seed) * 7919u + 1u);
    auto at = [&] {
        return QPointF(random.bounded(k1080p.width()) * 15.0, random.bounded(k1080p.height()) * 15.0);
    };
    for (int i = 0; i < 200; ++i) {
        page.setForeColor(Colour(random.bounded(0x1000000)));
        page.setFillColor(Colour(random.bounded(0x1000000)));
        page.setFillStyle(int(random.bounded(8)));
        page.setDrawWidth(1 + int(random.bounded(8)));
        switch (i % 4) {
        case 0:
            page.line(at(), at());
            break;
        case 1:
            page.box(at(), at(), page.foreColor());
            break;
        case 2:
            page.circle(at(), 300 + random.bounded(3000), page.foreColor());
            break;
        default:
            page.setCurrentX(at().x());
            page.setCurrentY(at().y());
            page.print(QStringLiteral("Lienzo %1").arg(i));
        }
    }
    return page.image();
}

struct KeptPages
{
    QTemporaryDir dir;
    std::array<Picture, kPageCount> pages;
    KeptIndex index;
    KeptPages()
    {
        for (int i = 0; i < kPageCount; ++i) {
            pages[size_t(i)] = busyPage(i);
            index.pages.push_back(i);
            writeFileAtomically(pageFile(dir.path(), i), encodeTiles(pages[size_t(i)]));
            pages[size_t(i)].toImage().save(dir.filePath(QStringLiteral("plain-%1.png").arg(i)), "PNG");
        }
    }
};

KeptPages& keptPages()
{
    static KeptPages kept;
    return kept;
}

void BM_KeepPage_1080p(benchmark::State& st)
{
    const Picture page = keptPages().pages[0];
    const QString path = keptPages().dir.filePath(QStringLiteral("kept.tiles"));
    qint64 bytes = 0;
    for (auto _ : st) {
        const QByteArray coded = encodeTiles(page);
        bytes = coded.size();
        if (!writeFileAtomically(path, coded))
            st.SkipWithError("the page was not written");
    }
    st.counters["file_KiB"] = double(bytes) / 1024.0;
}

// The plain way: the page made into one image and saved as a PNG, at Qt's
// usual compression or at zlib's fastest (quality 80 gives level 1).
void BM_KeepPage_1080p_Png(benchmark::State& st, int quality)
{
    const Picture page = keptPages().pages[0];
    const QString path = keptPages().dir.filePath(QStringLiteral("kept.png"));
    for (auto _ : st) {
        QImageWriter writer(path, "PNG");
        writer.setQuality(quality);
        if (!writer.write(page.toImage()))
            st.SkipWithError("the page was not written");
    }
    st.counters["file_KiB"] = double(QFileInfo(path).size()) / 1024.0;
}

void BM_Recover_10_1080p(benchmark::State& st)
{
    KeptPages& kept = keptPages();
    std::array<Surface, kPageCount> pages;
    for (Surface& page : pages) {
        page = Surface(k1080p, 15.0);
        page.setShown(false);
    }
    for (auto _ : st) {
        const std::array<Picture, kPageCount> back = readKeptPages(kept.dir.path(), kept.index);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (back[i].isNull())
                st.SkipWithError("a page did not read back");
            pages[i].setPicture(back[i]);
        }
    }
}

void BM_Recover_10_1080p_Plain(benchmark::State& st)
{
    KeptPages& kept = keptPages();
    std::array<Surface, kPageCount> pages;
    for (Surface& page : pages) {
        page = Surface(k1080p, 15.0);
        page.setShown(false);
    }
    for (auto _ : st)
        for (int i = 0; i < kPageCount; ++i)
            pages[size_t(i)].setPicture(QImage(kept.dir.filePath(QStringLiteral("plain-%1.png").arg(i))));
}

void registerRecoveryBenchmarks()
{
    for (int t = 0; t < int(std::size(kTools)); ++t)
        for (bool plain : {false, true})
            benchmark::RegisterBenchmark(
                ("BM_KeepRelease/1080p/" + std::string(kTools[t].name) + (plain ? "/plain" : "")).c_str(),
                BM_KeepRelease, t, plain)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(40);
}

const bool kRegistered = (registerRecoveryBenchmarks(), true);

} // namespace

BENCHMARK(BM_KeepPage_1080p)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK_CAPTURE(BM_KeepPage_1080p_Png, usual, -1)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK_CAPTURE(BM_KeepPage_1080p_Png, fastest, 80)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_Recover_10_1080p)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_Recover_10_1080p_Plain)->Unit(benchmark::kMillisecond)->MinTime(0.5);

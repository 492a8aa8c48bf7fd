// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The undo history on a 4K canvas: what seventy snapshots of small figures
// hold, and what a snapshot, an undo step and a redo step cost, against the
// plain way of keeping every snapshot as a whole image.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstring>
#include <map>
#include <string>
#include <unordered_set>

#include <malloc.h>

#include <QPainter>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "pages/History.h"

namespace {

constexpr QSize k4K(3840, 2160);
constexpr double kPageBytes = 3840.0 * 2160.0 * 4.0;
constexpr double kTileBytes = sizeof(Picture::Tile);

// Figure i: a 40 x 40 pixel box drawn 5 pixels wide, as pages draw, at a place
// that wanders over the canvas so that figures land on different tiles.
QRect figureBox(int i)
{
    return QRect(200 + (i * 389) % 3400, 150 + (i * 211) % 1900, 40, 40);
}

void drawFigure(Surface& s, int i)
{
    const QRect r = figureBox(i);
    s.box(QPointF(r.left() * 15.0, r.top() * 15.0), QPointF(r.right() * 15.0, r.bottom() * 15.0), kBlack);
}

void drawFigure(QImage& image, int i)
{
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(figureBox(i));
}

Surface hiddenPage()
{
    Surface page(k4K);
    page.setShown(false);
    page.setAutoRedraw(true);
    page.setDrawWidth(5);
    return page;
}

// A page and the canvas after eight small figures, each release recorded in
// the page's ring; the canvas has a screen layer, as it has after any move.
struct DrawnRing
{
    EditorState state;
    std::array<HistoryRing, 10> rings;
    Surface page = hiddenPage();
    Surface canvas{k4K};

    DrawnRing()
    {
        canvas.setDrawWidth(5);
        canvas.plot(QPointF(15, 15));
        canvas.refresh();
        canvas.setAutoRedraw(true);
        for (int k = 0; k < 8; ++k) {
            recordHistory(state, rings, page);
            drawFigure(canvas, k);
            drawFigure(page, k);
        }
    }
};

// Nanoseconds per iteration of the plain benchmarks, for the ratios of the
// tiled ones that run after them.
std::map<std::string, double>& plainTimes()
{
    static std::map<std::string, double> times;
    return times;
}

double nanosecondsPerIteration(std::chrono::steady_clock::time_point start, benchmark::State& st)
{
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / double(st.iterations());
}

void reportRatio(benchmark::State& st, const std::string& plain, double tiledNs)
{
    const auto found = plainTimes().find(plain);
    if (found == plainTimes().end() || tiledNs <= 0)
        return;
    st.counters["plain_us"] = found->second / 1000.0;
    st.counters["plain_over_tiled"] = found->second / tiledNs;
}

// Bytes the allocator has handed out and not had back. (Resident memory would
// not do: freed blocks of earlier benchmarks get reused without growing it.)
double heapBytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
}

// An image in which no two tiles are alike, standing for a page already
// covered with drawing (or an opened picture).
QImage busyImage()
{
    QImage image(k4K, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256 * 16) % 256));
    return image;
}

// Ten pages, seven releases each (a snapshot, then a small figure), on blank
// pages (argument 0) or on pages already covered with drawing (1). Counts the
// tiles the rings hold that the pages do not hold themselves; each page also
// keeps its own full image and the tiles of its latest snapshot. On blank
// pages the tiles a figure replaced were white ones the page still shares, so
// only the rings' grids of tile pointers count.
void BM_HistoryMemory(benchmark::State& st)
{
    const QImage start = st.range(0) ? busyImage() : QImage();
    for (auto _ : st) {
        EditorState state;
        std::array<HistoryRing, 10> rings;
        std::array<Surface, 10> pages;
        for (int p = 0; p < 10; ++p) {
            pages[size_t(p)] = hiddenPage();
            pages[size_t(p)].setPicture(Picture::fromImage(start)); // tiles of its own
            state.currentPage = std::uint8_t(p);
            for (int k = 0; k < 7; ++k) {
                recordHistory(state, rings, pages[size_t(p)]);
                drawFigure(pages[size_t(p)], p * 7 + k);
            }
        }

        std::unordered_set<const Picture::Tile*> pageTiles, ringTiles;
        double gridBytes = 0;
        for (int p = 0; p < 10; ++p) {
            const Picture own = pages[size_t(p)].image();
            for (int i = 0; i < own.tileCount(); ++i)
                pageTiles.insert(own.tile(i).get());
            for (const Picture& snapshot : rings[size_t(p)].slot) {
                gridBytes += double(snapshot.tileCount()) * sizeof(Picture::TilePtr);
                for (int i = 0; i < snapshot.tileCount(); ++i)
                    ringTiles.insert(snapshot.tile(i).get());
            }
        }
        int historyOnly = 0;
        for (const Picture::Tile* t : ringTiles)
            historyOnly += pageTiles.count(t) ? 0 : 1;

        const double historyBytes = historyOnly * kTileBytes;
        st.counters["history_tile_MiB"] = historyBytes / (1 << 20);
        st.counters["history_grid_MiB"] = gridBytes / (1 << 20);
        st.counters["history_MiB"] = (historyBytes + gridBytes) / (1 << 20);
        st.counters["page_tile_MiB"] = double(pageTiles.size()) * kTileBytes / (1 << 20);
        st.counters["full_copies_MiB"] = 70 * kPageBytes / (1 << 20);
        st.counters["full_over_tiled"] = 70 * kPageBytes / (historyBytes + gridBytes);
    }
}

// Ten 4K pages that are never drawn on, each taken through a release's
// snapshot and an undo step, against ten whole images of the same size.
void BM_HistoryUndrawnPages(benchmark::State& st)
{
    for (auto _ : st) {
        const double before = heapBytesInUse();
        EditorState state;
        std::array<HistoryRing, 10> rings;
        std::array<Surface, 10> pages;
        // The canvas is drawn on and has a screen layer, as it has after any
        // pointer move: an undo to an empty slot gives it its image back.
        Surface canvas(k4K);
        canvas.plot(QPointF(15, 15));
        canvas.refresh();
        canvas.setAutoRedraw(true);
        canvas.plot(QPointF(15, 15));
        const double withCanvas = heapBytesInUse();
        for (int p = 0; p < 10; ++p) {
            pages[size_t(p)] = hiddenPage();
            state.currentPage = std::uint8_t(p);
            recordHistory(state, rings, pages[size_t(p)]);
            undoStep(state, rings, canvas, pages[size_t(p)]);
        }
        const double after = heapBytesInUse();
        benchmark::DoNotOptimize(rings.data());
        st.counters["canvas_MiB"] = (withCanvas - before) / (1 << 20);
        st.counters["ten_pages_MiB"] = (after - withCanvas) / (1 << 20);
        st.counters["ten_whole_images_MiB"] = 10 * kPageBytes / (1 << 20);
    }
}

// The plain snapshot: a deep copy of the page into the ring.
void BM_HistoryRecordPlain(benchmark::State& st)
{
    QImage page(k4K, QImage::Format_RGB32);
    page.fill(Qt::white);
    std::array<QImage, kHistorySlots> ring;
    int i = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        drawFigure(page, i);
        ring[size_t(i % kHistorySlots)] = page.copy();
        ++i;
    }
    plainTimes()["record"] = nanosecondsPerIteration(start, st);
}

void BM_HistoryRecord(benchmark::State& st)
{
    EditorState state;
    std::array<HistoryRing, 10> rings;
    Surface page = hiddenPage();
    drawFigure(page, 0);
    recordHistory(state, rings, page);
    int i = 1;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        drawFigure(page, i++);
        recordHistory(state, rings, page);
    }
    reportRatio(st, "record", nanosecondsPerIteration(start, st));
}

// The plain undo step: the snapshot's pixels set whole on the canvas and on
// the page. (The old surface also copied the whole image to the canvas's
// screen layer; that copy is left out here, in the plain way's favour.)
void BM_HistoryUndoPlain(benchmark::State& st)
{
    std::array<QImage, kHistorySlots> ring;
    QImage page(k4K, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int k = 0; k < kHistorySlots; ++k) {
        ring[size_t(k)] = page.copy();
        drawFigure(page, k);
    }
    QImage canvas = page.copy();
    int position = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        position = position == 0 ? kHistorySlots - 1 : position - 1;
        const QImage& snapshot = ring[size_t(position)];
        std::memcpy(canvas.bits(), snapshot.constBits(), size_t(snapshot.sizeInBytes()));
        std::memcpy(page.bits(), snapshot.constBits(), size_t(snapshot.sizeInBytes()));
        benchmark::DoNotOptimize(page.constBits());
    }
    plainTimes()["undo"] = nanosecondsPerIteration(start, st);
}

// Undo steps round a full ring of seven snapshots, each a small figure apart:
// six steps in seven rewrite one figure's tiles, the one that comes round
// rewrites six. The canvas has a screen layer, as it has after any move.
void BM_HistoryUndo(benchmark::State& st)
{
    DrawnRing drawn;
    auto& [state, rings, page, canvas] = drawn;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st)
        undoStep(state, rings, canvas, page);
    reportRatio(st, "undo", nanosecondsPerIteration(start, st));
}

// The plain redo step: the page as it was before the undo step, kept as a
// whole image, set whole on the canvas and on the page.
void BM_HistoryRedoPlain(benchmark::State& st)
{
    std::array<QImage, kHistorySlots> redo;
    QImage page(k4K, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int k = 0; k < kHistorySlots; ++k) {
        drawFigure(page, k);
        redo[size_t(k)] = page.copy();
    }
    QImage canvas = page.copy();
    int step = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        const QImage& before = redo[size_t(step)];
        step = (step + 1) % kHistorySlots;
        std::memcpy(canvas.bits(), before.constBits(), size_t(before.sizeInBytes()));
        std::memcpy(page.bits(), before.constBits(), size_t(before.sizeInBytes()));
        benchmark::DoNotOptimize(page.constBits());
    }
    plainTimes()["redo"] = nanosecondsPerIteration(start, st);
}

// A redo step after an undo step on a page of small figures: it gives back
// one figure's tiles. Only the redo step is timed; the undo step that makes
// it possible runs between the timings.
void BM_HistoryRedo(benchmark::State& st)
{
    DrawnRing drawn;
    auto& [state, rings, page, canvas] = drawn;
    double total = 0;
    for (auto _ : st) {
        undoStep(state, rings, canvas, page);
        const auto start = std::chrono::steady_clock::now();
        redoStep(state, rings, canvas, page);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        st.SetIterationTime(took.count());
        total += took.count();
    }
    reportRatio(st, "redo", total * 1e9 / double(st.iterations()));
}

} // namespace

BENCHMARK(BM_HistoryMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryUndrawnPages)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryRecordPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryRecord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryUndoPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryUndo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryRedoPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryRedo)->UseManualTime()->Unit(benchmark::kMicrosecond);

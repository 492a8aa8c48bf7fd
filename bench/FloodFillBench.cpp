// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The paint bucket on a blank canvas at 4K and at 1080p (at 4K also with the
// screen layer painted alongside), and inside a box outline that covers a
// quarter of a 4K canvas, against the plain fill that walks pixel by pixel
// with a stack of points, measured in the same run. The whole 4K fill is also
// measured against two harder baselines: the textbook scanline fill on
// QImage::scanLine pointers, and the floor of writing every filled pixel
// once (std::fill of each filled row's runs, nothing looked at).
// Each iteration fills the same region with the other of two colours, so it
// repaints the whole region without any pause to prepare the image.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <QImage>

#include "canvas/FloodFill.h"
#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "tools/FillTool.h"

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF000000;
constexpr QRgb kFirstFill = 0xFFD03030;
constexpr QRgb kSecondFill = 0xFF3050D0;

struct Scene
{
    std::string name;
    QSize size;
    bool boxed;      // a box outline of half the width and height, filled inside
    double targetMs; // the longest a fill may take
};

const Scene kWhole4K{"Whole_4K", QSize(3840, 2160), false, 5.0};
const Scene kQuarter4K{"Quarter_4K", QSize(3840, 2160), true, 5.0};
const Scene kWhole1080p{"Whole_1080p", QSize(1920, 1080), false, 1.5};
constexpr double kTargetRatio = 20.0;

QRect outlineOf(const Scene& scene)
{
    const QSize half = scene.size / 2;
    return QRect(QPoint(half.width() / 2, half.height() / 2), half);
}

QImage sceneImage(const Scene& scene)
{
    QImage image(scene.size, QImage::Format_RGB32);
    image.fill(kPaper);
    if (scene.boxed) {
        const QRect box = outlineOf(scene);
        for (int x = box.left(); x <= box.right(); ++x) {
            image.setPixel(x, box.top(), kInk);
            image.setPixel(x, box.bottom(), kInk);
        }
        for (int y = box.top(); y <= box.bottom(); ++y) {
            image.setPixel(box.left(), y, kInk);
            image.setPixel(box.right(), y, kInk);
        }
    }
    return image;
}

QPoint sceneSeed(const Scene& scene)
{
    return QPoint(scene.size.width() / 2, scene.size.height() / 2);
}

// The plain fill: every pixel of the region is pushed as a point, and read and
// written through QImage's pixel functions.
QRect plainFill(QImage& image, QPoint seed, QRgb fill)
{
    if (!image.rect().contains(seed))
        return QRect();
    const QRgb target = image.pixel(seed) & 0xFFFFFF;
    if ((fill & 0xFFFFFF) == target)
        return QRect();
    int left = seed.x(), right = seed.x(), top = seed.y(), bottom = seed.y();
    std::vector<QPoint> stack{seed};
    image.setPixel(seed, fill);
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        for (const QPoint next : {QPoint(p.x() + 1, p.y()), QPoint(p.x() - 1, p.y()),
                                  QPoint(p.x(), p.y() + 1), QPoint(p.x(), p.y() - 1)}) {
            if (image.rect().contains(next) && (image.pixel(next) & 0xFFFFFF) == target) {
                image.setPixel(next, fill);
                stack.push_back(next);
            }
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The scanline fill as it is usually written: a stack of seed points; each
// popped seed is widened to its run on its row, the run is painted, and
// every run touching it on the rows above and below is pushed as one seed.
QRect scanlineFill(QImage& image, QPoint seed, QRgb fill)
{
    if (!image.rect().contains(seed))
        return QRect();
    const int width = image.width(), height = image.height();
    auto line = [&](int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); };
    const QRgb target = line(seed.y())[seed.x()] & 0xFFFFFF;
    const QRgb paint = fill | 0xFF000000;
    if ((fill & 0xFFFFFF) == target)
        return QRect();
    auto matches = [target](QRgb pixel) { return (pixel & 0xFFFFFF) == target; };
    int left = seed.x(), right = seed.x(), top = seed.y(), bottom = seed.y();
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        QRgb* row = line(p.y());
        if (!matches(row[p.x()]))
            continue;
        int x1 = p.x(), x2 = p.x();
        while (x1 > 0 && matches(row[x1 - 1]))
            --x1;
        while (x2 + 1 < width && matches(row[x2 + 1]))
            ++x2;
        std::fill(row + x1, row + x2 + 1, paint);
        left = std::min(left, x1);
        right = std::max(right, x2);
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= height)
                continue;
            const QRgb* next = line(y);
            for (int x = x1; x <= x2; ++x)
                if (matches(next[x]) && (x == x1 || !matches(next[x - 1])))
                    stack.push_back(QPoint(x, y));
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The runs of each row that a fill of the scene paints, found once from the
// span fill's result, for the floor.
struct Run
{
    int y;
    int x1;
    int x2; // one past the last pixel
};

std::vector<Run> filledRuns(const Scene& scene)
{
    const QImage before = sceneImage(scene);
    QImage after = before.copy();
    floodFill(after, sceneSeed(scene), kFirstFill);
    std::vector<Run> runs;
    for (int y = 0; y < before.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < before.width();) {
            if (a[x] == b[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < before.width() && a[x] != b[x])
                ++x;
            runs.push_back(Run{y, start, x});
        }
    }
    return runs;
}

// Before any timing, once per scene: both fills must paint the same pixels
// and report the same rectangle, or the figures mean nothing.
void checkFillsAgree(const Scene& scene)
{
    static std::map<std::string, bool> checked;
    if (checked[scene.name])
        return;
    checked[scene.name] = true;
    QImage fast = sceneImage(scene);
    QImage plain = fast.copy();
    const QRect fastRect = floodFill(fast, sceneSeed(scene), kFirstFill);
    const QRect plainRect = plainFill(plain, sceneSeed(scene), kFirstFill);
    QImage scanline = sceneImage(scene);
    const QRect scanlineRect = scanlineFill(scanline, sceneSeed(scene), kFirstFill);
    if (fastRect != plainRect || fastRect.isEmpty() || fast != plain || scanlineRect != fastRect ||
        scanline != fast) {
        std::fprintf(stderr, "FloodFill %s: the span fill and the plain fills paint different pixels\n",
                     scene.name.c_str());
        std::abort();
    }
}

std::map<std::string, double>& plainMs()
{
    static std::map<std::string, double> times;
    return times;
}

// Milliseconds per fill, alternating the two fill colours.
template <typename Fill> double timeFills(benchmark::State& st, const Scene& scene, Fill fill)
{
    checkFillsAgree(scene);
    QImage image = sceneImage(scene);
    const QPoint seed = sceneSeed(scene);
    bool first = true;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        const QRect painted = fill(image, seed, first ? kFirstFill : kSecondFill);
        if (painted.isEmpty()) {
            st.SkipWithError("a fill painted nothing");
            break;
        }
        benchmark::DoNotOptimize(painted);
        benchmark::DoNotOptimize(image.constBits());
        first = !first;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    st.SetItemsProcessed(st.iterations() * scene.size.width() * scene.size.height() / (scene.boxed ? 4 : 1));
    return elapsed.count() / double(std::max<benchmark::IterationCount>(st.iterations(), 1));
}

void runPlain(benchmark::State& st, const Scene& scene)
{
    plainMs()[scene.name] = timeFills(st, scene, plainFill);
}

// The span fill, with its ratio to the plain fill of the same scene (when that
// ran first) and whether it meets its targets.
template <typename Fill> void runSpans(benchmark::State& st, const Scene& scene, Fill fill)
{
    const double ms = timeFills(st, scene, fill);
    st.counters["ms"] = ms;
    const auto plain = plainMs().find(scene.name);
    if (plain == plainMs().end() || ms <= 0)
        return;
    const double ratio = plain->second / ms;
    st.counters["plain_ms"] = plain->second;
    st.counters["plain_over_spans"] = ratio;
    char label[96];
    std::snprintf(label, sizeof label, "%s (<= %.1f ms, >= %.0fx)",
                  ms <= scene.targetMs && ratio >= kTargetRatio ? "target met" : "TARGET MISSED",
                  scene.targetMs, kTargetRatio);
    st.SetLabel(label);
}

void BM_FloodFill_Whole_4K_Plain(benchmark::State& st)
{
    runPlain(st, kWhole4K);
}
void BM_FloodFill_Whole_4K(benchmark::State& st)
{
    runSpans(st, kWhole4K, floodFill);
}
// The canvas fills its persistent image and paints the same pixels on its
// screen layer: twice the writes, held to the same targets.
void BM_FloodFill_Whole_4K_WithScreen(benchmark::State& st)
{
    QImage screen = sceneImage(kWhole4K);
    runSpans(st, kWhole4K, [&screen](QImage& image, QPoint seed, QRgb fill) {
        return floodFillBoth(image, screen, seed, fill);
    });
}
// The program's own path: the paint bucket's commit on the canvas, which
// fills its image and its screen layer, then on the hidden page, which fills
// its tiles. Both have been drawn on before, as after any figure: the canvas
// holds its full image and a screen layer, the page only its tiles.
void BM_FloodFill_Whole_4K_Program(benchmark::State& st)
{
    const QSize size = kWhole4K.size;
    Surface canvas(size);
    canvas.setAutoRedraw(false);
    canvas.line(QPointF(0, 0), QPointF(150, 150), kBlack); // a preview makes the screen layer
    canvas.refresh();
    canvas.setAutoRedraw(true);
    Surface page(size);
    page.setShown(false);
    page.setAutoRedraw(true);
    for (Surface* s : {&canvas, &page})
        s->line(QPointF(15, 15), QPointF(15, 15), kWhite); // drawn on, in the paper's colour
    EditorState state;
    state.pointerX = std::int32_t(size.width() / 2 * 15);
    state.pointerY = std::int32_t(size.height() / 2 * 15);
    const Colour colours[] = {0x3030D0, 0xD05030};
    bool first = true;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : st) {
        canvas.setFillColor(colours[first ? 0 : 1]);
        page.setFillColor(colours[first ? 0 : 1]);
        commitFill(state, canvas, page);
        benchmark::DoNotOptimize(canvas.persistentImage().constBits());
        first = !first;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    const QPoint probe(size.width() - 1, size.height() - 1);
    if (canvas.persistentImage().pixel(probe) != page.image().pixel(probe) ||
        (page.image().pixel(probe) & 0xFFFFFF) == (kPaper & 0xFFFFFF))
        st.SkipWithError("the canvas and the page were not both filled");
    st.counters["ms"] = elapsed.count() / double(std::max<benchmark::IterationCount>(st.iterations(), 1));
}
void BM_FloodFill_Whole_4K_Scanline(benchmark::State& st)
{
    st.counters["ms"] = timeFills(st, kWhole4K, scanlineFill);
}
// The floor: the bytes of the filled pixels written once, run by run, with
// the region known beforehand. memset writes them fastest (here as fast as
// QImage::fill of the whole image, and faster than std::fill of the colour),
// so it sets the floor; the bytes it writes are not the fill colour's.
void BM_FloodFill_Whole_4K_Floor(benchmark::State& st)
{
    const std::vector<Run> runs = filledRuns(kWhole4K);
    QRect bounds;
    for (const Run& r : runs)
        bounds |= QRect(r.x1, r.y, r.x2 - r.x1, 1);
    st.counters["ms"] = timeFills(st, kWhole4K, [&runs, bounds](QImage& image, QPoint, QRgb fill) {
        for (const Run& r : runs) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(r.y));
            std::memset(row + r.x1, int(fill & 0xFF), size_t(r.x2 - r.x1) * sizeof(QRgb));
        }
        return bounds;
    });
}
// A fill must read every pixel it paints before it writes it. This floor
// reads and writes each filled pixel once, two at a time, with the region
// known beforehand: flipping the bits where the two fill colours differ turns
// one into the other, so the loop needs no compare.
void BM_FloodFill_Whole_4K_ReadWriteFloor(benchmark::State& st)
{
    const std::vector<Run> runs = filledRuns(kWhole4K);
    QRect bounds;
    for (const Run& r : runs)
        bounds |= QRect(r.x1, r.y, r.x2 - r.x1, 1);
    constexpr quint64 kFlip = quint64(kFirstFill ^ kSecondFill) * 0x100000001ull;
    st.counters["ms"] = timeFills(st, kWhole4K, [&runs, bounds](QImage& image, QPoint, QRgb) {
        for (const Run& r : runs) {
            QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(r.y));
            int x = r.x1;
            for (; x + 2 <= r.x2; x += 2) {
                quint64 pair;
                std::memcpy(&pair, row + x, sizeof pair);
                pair ^= kFlip;
                std::memcpy(row + x, &pair, sizeof pair);
            }
            for (; x < r.x2; ++x)
                row[x] ^= QRgb(kFlip);
        }
        return bounds;
    });
}
void BM_FloodFill_Quarter_4K_Plain(benchmark::State& st)
{
    runPlain(st, kQuarter4K);
}
void BM_FloodFill_Quarter_4K(benchmark::State& st)
{
    runSpans(st, kQuarter4K, floodFill);
}
void BM_FloodFill_Whole_1080p_Plain(benchmark::State& st)
{
    runPlain(st, kWhole1080p);
}
void BM_FloodFill_Whole_1080p(benchmark::State& st)
{
    runSpans(st, kWhole1080p, floodFill);
}

} // namespace

// Each plain fill runs before its span fill, which reports the ratio.
BENCHMARK(BM_FloodFill_Whole_4K_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_Whole_4K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_4K_WithScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_4K_Program)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_4K_Scanline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_4K_Floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_4K_ReadWriteFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Quarter_4K_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_Quarter_4K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFill_Whole_1080p_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloodFill_Whole_1080p)->Unit(benchmark::kMicrosecond);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// A pointer move over a 4K canvas with a rectangle rubber band of 300 x 300
// pixels and all three mirror copies, against the plain way of wiping a
// preview: copying the whole persistent image to the screen on every move.

#include <benchmark/benchmark.h>

#include <cstring>

#include <QPainter>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "tools/PointerTracking.h"

namespace {

constexpr QSize kCanvas4K(3840, 2160);
constexpr QSize kCanvasHD(1920, 1080);

EditorState rectangleDrag(QSize canvas)
{
    EditorState s;
    applyStartValues(s);
    s.toolMode = Tool::Rectangle;
    s.mirrorHorizontal = s.mirrorCentral = true;
    s.mirrorAxisX = canvas.width() * 15 / 2;
    s.mirrorAxisY = canvas.height() * 15 / 2;
    s.anchorX = 400 * 15;
    s.anchorY = 300 * 15;
    s.mirrorAnchorX = 2 * s.mirrorAxisX - s.anchorX;
    s.mirrorAnchorY = 2 * s.mirrorAxisY - s.anchorY;
    return s;
}

void BM_PointerMove(benchmark::State& st, QSize size)
{
    EditorState s = rectangleDrag(size);
    Surface canvas(size), page(size);
    page.setShown(false);
    int i = 0;
    for (auto _ : st) {
        const int wobble = (i++ & 7);
        trackPointer(s, canvas, page, 1, (700 + wobble) * 15, (600 + wobble) * 15, QString(), QString());
        benchmark::DoNotOptimize(canvas.screen().constBits());
    }
}

// The plain way: restore the whole screen from the persistent image, then draw
// the same crosshair and rubber bands.
void BM_PointerMoveWholeCopy(benchmark::State& st, QSize size)
{
    QImage persistent(size, QImage::Format_RGB32);
    persistent.fill(Qt::white);
    QImage screen = persistent.copy();
    int i = 0;
    for (auto _ : st) {
        std::memcpy(screen.bits(), persistent.constBits(), size_t(persistent.sizeInBytes()));
        const int wobble = (i++ & 7);
        QPainter p(&screen);
        p.setPen(QPen(Qt::black, 5));
        const int x = 700 + wobble, y = 600 + wobble;
        p.drawLine(x - 8, y, x + 8, y);
        p.drawLine(x, y - 8, x, y + 8);
        for (int k = 0; k < 4; ++k) {
            const int mx = (k & 1) ? size.width() - x : x, my = (k & 2) ? size.height() - y : y;
            const int ax = (k & 1) ? size.width() - 400 : 400, ay = (k & 2) ? size.height() - 300 : 300;
            p.drawRect(QRect(QPoint(ax, ay), QPoint(mx, my)).normalized());
        }
        benchmark::DoNotOptimize(screen.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_PointerMove, 4K, kCanvas4K)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PointerMoveWholeCopy, 4K, kCanvas4K)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PointerMove, HD, kCanvasHD)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PointerMoveWholeCopy, HD, kCanvasHD)->Unit(benchmark::kMicrosecond);

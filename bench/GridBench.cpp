// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The dots of a 50-twip grid over a whole 4K canvas: plotted in one pass over
// the pixels, against one QPainter::drawPoints call with every dot, the list
// of dots made beforehand (in the plain way's favour).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QPainter>
#include <QPolygon>

#include "canvas/Surface.h"

namespace {

constexpr QSize kCanvas4K(3840, 2160);
constexpr double kStep = 50;
constexpr double kTwipsPerPixel = 15;

// The pixel of every grid point, rounded as the canvas rounds twips.
QPolygon gridDots()
{
    QPolygon dots;
    for (double x = 0; x <= kCanvas4K.width() * kTwipsPerPixel; x += kStep)
        for (double y = 0; y <= kCanvas4K.height() * kTwipsPerPixel; y += kStep) {
            const QPoint p(int(std::floor(x / kTwipsPerPixel + 0.5)), int(std::floor(y / kTwipsPerPixel + 0.5)));
            if (p.x() < kCanvas4K.width() && p.y() < kCanvas4K.height())
                dots << p;
        }
    return dots;
}

void drawDots(QImage& image, const QPolygon& dots)
{
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 0));
    p.drawPoints(dots);
}

void BM_GridDots_4K(benchmark::State& st)
{
    Surface canvas(kCanvas4K);
    canvas.setAutoRedraw(true);
    // Once, before timing: both ways must put the same dots on a white canvas.
    canvas.plotGrid(kStep, canvas.width(), canvas.height());
    QImage plain(kCanvas4K, QImage::Format_RGB32);
    plain.fill(Qt::white);
    drawDots(plain, gridDots());
    if (canvas.persistentImage().convertToFormat(QImage::Format_RGB32) != plain) {
        std::fprintf(stderr, "GridDots: the canvas's grid and drawPoints give different dots\n");
        std::abort();
    }
    for (auto _ : st) {
        canvas.plotGrid(kStep, canvas.width(), canvas.height());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridDots_4K)->Unit(benchmark::kMillisecond);

void BM_GridDots_4K_DrawPoints(benchmark::State& st)
{
    QImage image(kCanvas4K, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPolygon dots = gridDots();
    for (auto _ : st) {
        drawDots(image, dots);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridDots_4K_DrawPoints)->Unit(benchmark::kMillisecond);

} // namespace

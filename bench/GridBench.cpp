// The dots of a 50-twip grid over a whole 4K canvas: plotted in one pass over
// the pixels, against plotting them one point at a time.

#include <benchmark/benchmark.h>

#include "canvas/Surface.h"

namespace {

constexpr QSize kCanvas4K(3840, 2160);
constexpr double kStep = 50;

void BM_GridDots_4K(benchmark::State& st)
{
    Surface canvas(kCanvas4K);
    canvas.setAutoRedraw(true);
    for (auto _ : st) {
        canvas.plotGrid(kStep, canvas.width(), canvas.height());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridDots_4K)->Unit(benchmark::kMillisecond);

void BM_GridDots_4K_PerPoint(benchmark::State& st)
{
    Surface canvas(kCanvas4K);
    canvas.setAutoRedraw(true);
    for (auto _ : st) {
        for (double x = 0; x <= canvas.width(); x += kStep)
            for (double y = 0; y <= canvas.height(); y += kStep)
                canvas.plot(QPointF(x, y));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GridDots_4K_PerPoint)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

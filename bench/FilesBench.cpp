// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a 1080p page as BMP and PNG and opening a BMP, a JPG, a GIF and a
// PNG of the canvas's size, through the program's own file code, against
// Qt's plain QImage::save and QImage::load on the same files.

#include <benchmark/benchmark.h>

#include <cmath>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "files/PictureIO.h"
#include "support/GifBytes.h"

namespace {

constexpr QSize k1080p(1920, 1080);

// A page with some drawing on it, so that JPG and GIF have something to code.
QImage drawnPage()
{
    QImage page(k1080p, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    for (int i = 0; i < 40; ++i) {
        p.setPen(QPen(QColor::fromHsv(i * 9 % 360, 200, 200), 1 + i % 9));
        p.drawEllipse(QPoint(100 + i * 43, 540), 50 + i * 11, 30 + i * 7);
    }
    return page;
}

// The page as a GIF of four colours: white, black, red and blue.
QByteArray gifOf(const QImage& page)
{
    std::vector<std::uint8_t> indexes(size_t(page.width()) * size_t(page.height()));
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            indexes[size_t(y) * size_t(page.width()) + size_t(x)] =
                c.lightness() > 200 ? 0 : (c.red() > c.blue() ? 2 : (c.blue() > 100 ? 3 : 1));
        }
    return gifHeader(page.size(), {0xFFFFFF, 0x000000, 0xFF0000, 0x0000FF}, 2) +
           gifFrame(page.size(), gifLzw(indexes, 2), 2) + gifTrailer();
}

// A photograph-like scene: smooth light across the frame, a few soft
// shapes and a sensor's grain in every pixel, saved as a camera would, as a
// JPG, and opened onto the page as the program opens one. Grain is what makes
// a photograph hard to pack.
QImage photographPage(const QString& jpg)
{
    QImage scene(k1080p, QImage::Format_RGB32);
    QRandomGenerator random(1080);
    for (int y = 0; y < scene.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(scene.scanLine(y));
        for (int x = 0; x < scene.width(); ++x) {
            const double light = 0.6 + 0.4 * std::sin(x / 310.0) * std::cos(y / 170.0);
            const int grain = int(random.bounded(7)) + int(random.bounded(7)) - 6;
            auto level = [&](double v) { return std::clamp(int(v * light) + grain, 0, 255); };
            row[x] = qRgb(level(90 + 120 * std::sin((x + y) / 400.0) * std::sin((x + y) / 400.0)),
                          level(150 + 60 * std::cos(x / 230.0)), level(110 + 90 * std::sin(y / 150.0)));
        }
    }
    {
        QPainter p(&scene);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 12; ++i) {
            QRadialGradient g(QPointF(160 + i * 150, 300 + (i * 97) % 500), 90 + i * 9);
            g.setColorAt(0, QColor::fromHsv(i * 29 % 360, 160, 230, 200));
            g.setColorAt(1, QColor(0, 0, 0, 0));
            p.setBrush(g);
            p.setPen(Qt::NoPen);
            p.drawEllipse(g.center(), g.radius(), g.radius());
        }
    }
    scene.save(jpg, "JPG", 92);
    return readPicture(jpg).value_or(QImage());
}

struct Files
{
    QTemporaryDir dir;
    QImage page = drawnPage();
    QString bmp = dir.filePath(QStringLiteral("page.bmp"));
    QString jpg = dir.filePath(QStringLiteral("page.jpg"));
    QString gif = dir.filePath(QStringLiteral("page.gif"));
    QString png = dir.filePath(QStringLiteral("page.png"));
    QImage photograph = photographPage(dir.filePath(QStringLiteral("photograph.jpg")));
    QString photographPng = dir.filePath(QStringLiteral("photograph.png"));
    QImage blank = QImage(k1080p, QImage::Format_RGB32);

    Files()
    {
        blank.fill(Qt::white);
        page.save(bmp);
        page.save(jpg, "JPG", 90);
        page.save(png, "PNG");
        writePng(photograph, photographPng);
        QFile out(gif);
        out.open(QIODevice::WriteOnly);
        out.write(gifOf(page));
    }
};

Files& files()
{
    static Files f;
    return f;
}

void BM_SaveBmp_1080p(benchmark::State& st)
{
    const QString path = files().dir.filePath(QStringLiteral("saved.bmp"));
    for (auto _ : st)
        benchmark::DoNotOptimize(writeBmp(files().page, path));
}

void BM_SaveBmp_1080p_Plain(benchmark::State& st)
{
    const QString path = files().dir.filePath(QStringLiteral("plain.bmp"));
    for (auto _ : st)
        benchmark::DoNotOptimize(files().page.save(path, "BMP"));
}

void BM_SavePng_1080p(benchmark::State& st, QImage Files::*which)
{
    const QString path = files().dir.filePath(QStringLiteral("saved.png"));
    for (auto _ : st)
        if (!writePng(files().*which, path))
            st.SkipWithError("the page was not saved");
}

void BM_SavePng_1080p_Plain(benchmark::State& st, QImage Files::*which)
{
    const QString path = files().dir.filePath(QStringLiteral("plain.png"));
    for (auto _ : st)
        benchmark::DoNotOptimize((files().*which).save(path, "PNG"));
}

void BM_Open_1080p(benchmark::State& st, QString Files::*which)
{
    const QString path = files().*which;
    for (auto _ : st) {
        const std::optional<QImage> picture = readPicture(path);
        if (!picture || picture->size() != k1080p)
            st.SkipWithError("the picture did not load");
    }
}

void BM_Open_1080p_Plain(benchmark::State& st, QString Files::*which)
{
    const QString path = files().*which;
    for (auto _ : st) {
        QImage picture(path);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

} // namespace

BENCHMARK(BM_SaveBmp_1080p)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBmp_1080p_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p, bmp, &Files::bmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p_Plain, bmp, &Files::bmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p, jpg, &Files::jpg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p_Plain, jpg, &Files::jpg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p, gif, &Files::gif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p_Plain, gif, &Files::gif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePng_1080p, busy, &Files::photograph)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePng_1080p_Plain, busy, &Files::photograph)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePng_1080p, blank, &Files::blank)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SavePng_1080p_Plain, blank, &Files::blank)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p, png, &Files::png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p_Plain, png, &Files::png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p, png_photograph, &Files::photographPng)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open_1080p_Plain, png_photograph, &Files::photographPng)->Unit(benchmark::kMillisecond);

// Saving a 1080p page as BMP and opening a BMP, a JPG and a GIF of the
// canvas's size, through the program's own file code, against Qt's plain
// QImage::save and QImage::load on the same files.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QPainter>
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

struct Files
{
    QTemporaryDir dir;
    QImage page = drawnPage();
    QString bmp = dir.filePath(QStringLiteral("page.bmp"));
    QString jpg = dir.filePath(QStringLiteral("page.jpg"));
    QString gif = dir.filePath(QStringLiteral("page.gif"));

    Files()
    {
        page.save(bmp);
        page.save(jpg, "JPG", 90);
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

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's ways out and in: ten busy 1080p pages written as one PDF,
// and a 1080p picture pasted from the clipboard onto the page. Each against
// the plain way measured in the same run: Qt's PDF writer drawing the ten
// page images with nothing checked or written atomically, and the clipboard's
// PNG decoded with QImage and drawn with QPainter::drawImage on the canvas's
// image and the page's.

#include <benchmark/benchmark.h>

#include <array>

#include <QBuffer>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/DesktopData.h"
#include "files/PdfExport.h"
#include "files/Printing.h"
#include "pages/History.h"
#include "pages/PageSwitch.h"
#include "pages/PastePicture.h"

namespace {

constexpr QSize k1080p(1920, 1080);

// A page drawn all over: coloured rings and a band of text, different on
// every page.
QImage busyPage(int seed)
{
    QImage page(k1080p, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    for (int i = 0; i < 60; ++i) {
        p.setPen(QPen(QColor::fromHsv((i * 13 + seed * 37) % 360, 200, 200), 1 + (i + seed) % 9));
        p.drawEllipse(QPoint(60 + i * 31, 200 + (i * 53 + seed * 17) % 700), 40 + i * 7, 30 + (i * 11) % 200);
    }
    p.setFont(QFont(QStringLiteral("Arial"), 28));
    p.drawText(QRect(40, 960, 1840, 100), QStringLiteral("Página %1: dibujos de la clase").arg(seed + 1));
    return page;
}

void BM_PdfTenPages_1080p(benchmark::State& state)
{
    std::array<Surface, kPageCount> pages;
    for (int i = 0; i < kPageCount; ++i) {
        pages[size_t(i)] = Surface(k1080p);
        pages[size_t(i)].setShown(false);
        pages[size_t(i)].setPicture(busyPage(i));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todas.pdf"));
    const QSizeF inches(1920 / 96.0, 1080 / 96.0);
    for (auto _ : state) {
        if (!writePagesPdf(pdfPages(pages, 0), inches, QPageSize(QPageSize::A4), path))
            state.SkipWithError("the PDF was not written");
    }
}

void BM_PdfTenPages_1080p_Plain(benchmark::State& state)
{
    std::vector<QImage> images;
    for (int i = 0; i < kPageCount; ++i)
        images.push_back(busyPage(i));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todas.pdf"));
    const QSizeF inches(1920 / 96.0, 1080 / 96.0);
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        const QRectF placed = printPlacement(inches, writer.pageLayout().paintRect(QPageLayout::Inch).size());
        QPainter painter(&writer);
        for (size_t i = 0; i < images.size(); ++i) {
            if (i > 0)
                writer.newPage();
            painter.drawImage(QRectF(placed.topLeft() * 1200, placed.size() * 1200), images[i]);
        }
    }
}

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void BM_Paste_1080p(benchmark::State& state)
{
    QMimeData clipboard;
    clipboard.setData(QStringLiteral("image/png"), pngOf(busyPage(3)));
    EditorState editor;
    std::array<HistoryRing, 10> rings;
    Surface canvas(k1080p);
    Surface page(k1080p);
    page.setShown(false);
    page.setAutoRedraw(true);
    canvas.setPicture(busyPage(7));
    page.setPicture(canvas.picture());
    for (auto _ : state) {
        const std::optional<QImage> picture = clipboardPicture(&clipboard);
        if (!picture) {
            state.SkipWithError("the clipboard's picture was refused");
            break;
        }
        pastePicture(editor, rings, canvas, page, *picture);
    }
}

void BM_Paste_1080p_Plain(benchmark::State& state)
{
    QMimeData clipboard;
    clipboard.setData(QStringLiteral("image/png"), pngOf(busyPage(3)));
    QImage canvas = busyPage(7);
    QImage page = canvas.copy();
    for (auto _ : state) {
        const QImage picture = QImage::fromData(clipboard.data(QStringLiteral("image/png")), "PNG");
        QPainter(&canvas).drawImage(0, 0, picture);
        QPainter(&page).drawImage(0, 0, picture);
        benchmark::DoNotOptimize(page.constBits());
    }
}

} // namespace

BENCHMARK(BM_PdfTenPages_1080p)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_PdfTenPages_1080p_Plain)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Paste_1080p)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(BM_Paste_1080p_Plain)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PdfExport.h"

#include <algorithm>
#include <unordered_set>

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "canvas/Picture.h"
#include "canvas/Surface.h"
#include "files/PictureIO.h"
#include "files/Printing.h"

namespace {

// Dots per inch of the PDF's drawing coordinates: fine enough that a page's
// pixel lands on its place to a hundredth of a pixel.
constexpr int kPdfResolution = 1200;

bool tileIsPlain(const Picture::Tile& tile, QSize used, QRgb colour)
{
    for (int y = 0; y < used.height(); ++y) {
        const QRgb* row = tile.pixels.data() + y * Picture::kTileSize;
        if (!std::all_of(row, row + used.width(), [colour](QRgb p) { return p == colour; }))
            return false;
    }
    return true;
}

} // namespace

bool isBlankPage(const Picture& page, QRgb backColour)
{
    if (page.isNull() || page.isFilledWith(backColour))
        return true;
    const QRgb colour = backColour | 0xFF000000u;
    const QSize size = page.size();
    // Tiles shared by many places (a plain page shares one) are read once.
    std::unordered_set<const Picture::Tile*> plain;
    for (int i = 0; i < page.tileCount(); ++i) {
        const Picture::Tile* tile = page.tile(i).get();
        if (plain.count(tile))
            continue;
        const int left = i % page.columns() * Picture::kTileSize;
        const int top = i / page.columns() * Picture::kTileSize;
        const QSize used(std::min(Picture::kTileSize, size.width() - left),
                         std::min(Picture::kTileSize, size.height() - top));
        if (!tile || !tileIsPlain(*tile, used, colour))
            return false;
        plain.insert(tile);
    }
    return true;
}

std::vector<QImage> pdfPages(const std::array<Surface, kPageCount>& pages, int currentPage)
{
    std::vector<QImage> drawn;
    for (const Surface& page : pages) {
        const Picture picture = page.image();
        if (!isBlankPage(picture, toQColor(page.backColor()).rgb()))
            drawn.push_back(picture.toImage());
    }
    if (drawn.empty())
        drawn.push_back(pages.at(size_t(currentPage)).image().toImage());
    return drawn;
}

bool writePagesPdf(const std::vector<QImage>& pictures, QSizeF sizeInches, const QPageSize& paper,
                   const QString& path)
{
    if (pictures.empty())
        return false;
    return writeAtomically(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Lienzo"));
        writer.setResolution(kPdfResolution);
        writer.setPageSize(paper);
        const QRectF placed = placeOnSheet(writer, sizeInches);
        if (placed.isEmpty())
            return false;
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const QRectF target(placed.topLeft() * kPdfResolution, placed.size() * kPdfResolution);
        for (size_t i = 0; i < pictures.size(); ++i) {
            if (i > 0 && !writer.newPage())
                return false;
            painter.drawImage(target, pictures[i]);
        }
        return painter.end();
    });
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstring>

#include <QPainter>

#include "canvas/Picture.h"
#include "canvas/PictureGrid.h"
#include "canvas/PixelMath.h"

using namespace PictureTiles;

bool TileReader::isFilledWith(QRgb colour) const
{
    if (!m_grid)
        return false;
    const TilePtr& first = m_grid->tiles.front();
    return std::all_of(m_grid->tiles.begin(), m_grid->tiles.end(),
                       [&](const TilePtr& t) { return t == first; }) &&
           std::all_of(first->pixels.begin(), first->pixels.end(), [&](QRgb p) { return p == colour; });
}

QSize TileReader::size() const
{
    return m_grid ? m_grid->size : QSize();
}

bool TileReader::hasAlpha() const
{
    return m_grid && m_grid->hasAlpha;
}

int TileReader::columns() const
{
    return m_grid ? m_grid->columns : 0;
}

int TileReader::rows() const
{
    return m_grid ? m_grid->rows : 0;
}

const TileReader::TilePtr& TileReader::tile(int index) const
{
    return m_grid->tiles[size_t(index)];
}

QRgb TileReader::pixel(QPoint p) const
{
    const Tile& t = *tile(p.y() / kTile * m_grid->columns + p.x() / kTile);
    return t.pixels[size_t(p.y() % kTile * kTile + p.x() % kTile)];
}

QImage TileReader::toImage() const
{
    if (!m_grid)
        return QImage();
    QImage image(m_grid->size, m_grid->hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    PixelMath::adviseHuge(image);
    for (int row = 0; row < m_grid->rows; ++row)
        for (int column = 0; column < m_grid->columns; ++column)
            writeTile(image, *m_grid->tiles[size_t(row * m_grid->columns + column)],
                      tileRect(m_grid->size, column, row));
    return image;
}

void TileReader::draw(QPainter& painter, const QRect& area) const
{
    const QRect r = area.intersected(QRect(QPoint(0, 0), size()));
    if (r.isEmpty())
        return;
    const QImage::Format format = m_grid->hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    // A tile of one colour, as the whole of a blank page is, is painted as a
    // filled rectangle along with its neighbours that share it.
    const Tile* checked = nullptr;
    bool plain = false;
    const int lastColumn = r.right() / kTile;
    for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row) {
        const TilePtr* tiles = m_grid->tiles.data() + row * m_grid->columns;
        for (int column = r.left() / kTile; column <= lastColumn;) {
            const Tile& tile = *tiles[column];
            if (&tile != checked) {
                checked = &tile;
                plain = std::all_of(tile.pixels.begin(), tile.pixels.end(),
                                    [&](QRgb p) { return p == tile.pixels[0]; });
            }
            int end = column;
            while (plain && end < lastColumn && tiles[end + 1].get() == &tile)
                ++end;
            const QRect part =
                (tileRect(m_grid->size, column, row) | tileRect(m_grid->size, end, row)).intersected(r);
            if (plain) {
                painter.fillRect(part, m_grid->hasAlpha ? QColor::fromRgba(tile.pixels[0])
                                                        : QColor::fromRgb(tile.pixels[0]));
            } else {
                // The tile's pixels shown in place, not copied.
                const QImage view(reinterpret_cast<const uchar*>(tile.pixels.data()), kTile, kTile,
                                  kTile * int(sizeof(QRgb)), format);
                painter.drawImage(part.topLeft(), view,
                                  part.translated(-QPoint(column * kTile, row * kTile)));
            }
            column = end + 1;
        }
    }
}

void TileReader::copyInto(QImage& target, QPoint shift, const QRect& area) const
{
    const QRect r = area.intersected(QRect(QPoint(0, 0), size()));
    if (r.isEmpty())
        return;
    const qsizetype stride = target.bytesPerLine();
    uchar* const bits = target.bits();
    for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row) {
        const TilePtr* tiles = m_grid->tiles.data() + row * m_grid->columns;
        const int top = std::max(r.top(), row * kTile),
                  bottom = std::min(r.bottom(), row * kTile + kTile - 1);
        for (int y = top; y <= bottom; ++y) {
            uchar* line = bits + (y + shift.y()) * stride;
            for (int column = r.left() / kTile; column <= r.right() / kTile; ++column) {
                const int left = std::max(r.left(), column * kTile);
                const int right = std::min(r.right(), column * kTile + kTile - 1);
                std::memcpy(line + (left + shift.x()) * 4,
                            tiles[column]->pixels.data() + (y - row * kTile) * kTile +
                                (left - column * kTile),
                            size_t(right - left + 1) * sizeof(QRgb));
            }
        }
    }
}

QRect TileReader::tileArea(const QRect& pixels) const
{
    const QRect r = pixels.intersected(QRect(QPoint(0, 0), size()));
    if (r.isEmpty())
        return QRect();
    const QPoint topLeft(r.left() / kTile * kTile, r.top() / kTile * kTile);
    const QPoint bottomRight((r.right() / kTile + 1) * kTile - 1, (r.bottom() / kTile + 1) * kTile - 1);
    return QRect(topLeft, bottomRight).intersected(QRect(QPoint(0, 0), size()));
}

QImage TileReader::copyArea(const QRect& area, const std::vector<QRect>& only) const
{
    QImage part(area.size(), m_grid->hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    auto copyTile = [&](int column, int row) {
        writeTile(part, *m_grid->tiles[size_t(row * m_grid->columns + column)],
                  tileRect(m_grid->size, column, row), area.topLeft());
    };
    if (only.empty()) {
        for (int row = area.top() / kTile; row <= area.bottom() / kTile; ++row)
            for (int column = area.left() / kTile; column <= area.right() / kTile; ++column)
                copyTile(column, row);
        return part;
    }
    std::vector<bool> copied(m_grid->tiles.size(), false);
    for (const QRect& o : only) {
        const QRect r = o.intersected(area);
        if (r.isEmpty())
            continue;
        for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row)
            for (int column = r.left() / kTile; column <= r.right() / kTile; ++column) {
                const size_t i = size_t(row * m_grid->columns + column);
                if (!copied[i]) {
                    copied[i] = true;
                    copyTile(column, row);
                }
            }
    }
    // The tiles left out are zero, never whatever the memory held.
    for (int row = area.top() / kTile; row <= area.bottom() / kTile; ++row)
        for (int column = area.left() / kTile; column <= area.right() / kTile; ++column) {
            if (copied[size_t(row * m_grid->columns + column)])
                continue;
            const QRect r = tileRect(m_grid->size, column, row).translated(-area.topLeft());
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::memset(part.scanLine(y) + r.left() * 4, 0, size_t(r.width()) * 4);
        }
    return part;
}

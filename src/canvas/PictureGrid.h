// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstring>
#include <memory>
#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>

#include "canvas/Picture.h"

// The grid of tiles behind a Picture or a TileGrid, and the tile arithmetic
// that Picture, TileReader and TileGrid share. Only their sources include it.
struct PictureGrid
{
    QSize size;
    int columns = 0;
    int rows = 0;
    bool hasAlpha = false;
    std::vector<TileReader::TilePtr> tiles;
};

namespace PictureTiles {

inline constexpr int kTile = Picture::kTileSize;

inline int tilesFor(int pixels)
{
    return (pixels + kTile - 1) / kTile;
}

// The pixels of tile (column, row) that lie inside a picture of the given size.
inline QRect tileRect(QSize size, int column, int row)
{
    return QRect(column * kTile, row * kTile, kTile, kTile).intersected(QRect(QPoint(0, 0), size));
}

// A tile copied from the part of an image it covers. The part of an edge tile
// beyond the image is zero so that equal images give equal tiles.
inline Picture::TilePtr tileFrom(const QImage& image, const QRect& r, QPoint origin = QPoint(0, 0))
{
    auto tile = std::make_shared_for_overwrite<Picture::Tile>();
    QRgb* to = tile->pixels.data();
    const size_t bytes = size_t(r.width()) * sizeof(QRgb);
    const bool partial = r.width() < kTile || r.height() < kTile;
    if (partial)
        tile->pixels.fill(0);
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(to + y * kTile,
                    image.constScanLine(r.top() - origin.y() + y) + (r.left() - origin.x()) * 4, bytes);
    return tile;
}

inline void writeTile(QImage& image, const Picture::Tile& tile, const QRect& r, QPoint origin = QPoint(0, 0))
{
    const size_t bytes = size_t(r.width()) * sizeof(QRgb);
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(image.scanLine(r.top() - origin.y() + y) + (r.left() - origin.x()) * 4,
                    tile.pixels.data() + y * kTile, bytes);
}

// Takes the tiles that `changed`, clipped to `area`, touches from `part`, an
// image of the tile area `area`.
void takeArea(PictureGrid& grid, const QImage& part, const QRect& area, const std::vector<QRect>& changed);

} // namespace PictureTiles

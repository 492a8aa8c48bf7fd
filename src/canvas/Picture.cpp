// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/Picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "canvas/PictureGrid.h"

using namespace PictureTiles;

Picture::Picture(std::shared_ptr<const PictureGrid> grid) : TileReader(grid.get()), m_hold(std::move(grid))
{
}

Picture::Picture(Picture&& other) noexcept
    : TileReader(std::exchange(other.m_grid, nullptr)), m_hold(std::move(other.m_hold))
{
}

Picture& Picture::operator=(Picture&& other) noexcept
{
    m_hold = std::move(other.m_hold);
    m_grid = std::exchange(other.m_grid, nullptr);
    return *this;
}

Picture Picture::fromImage(const QImage& image)
{
    if (image.isNull())
        return Picture();
    const bool alpha = image.hasAlphaChannel();
    const QImage source = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    auto grid = std::make_shared<PictureGrid>();
    grid->size = source.size();
    grid->columns = tilesFor(source.width());
    grid->rows = tilesFor(source.height());
    grid->hasAlpha = alpha;
    grid->tiles.reserve(size_t(grid->columns * grid->rows));
    for (int row = 0; row < grid->rows; ++row)
        for (int column = 0; column < grid->columns; ++column)
            grid->tiles.push_back(tileFrom(source, tileRect(source.size(), column, row)));
    return Picture(std::move(grid));
}

Picture Picture::filled(QSize size, QRgb colour)
{
    if (size.isEmpty())
        return Picture();
    auto tile = std::make_shared_for_overwrite<Tile>();
    tile->pixels.fill(colour);
    auto grid = std::make_shared<PictureGrid>();
    grid->size = size;
    grid->columns = tilesFor(size.width());
    grid->rows = tilesFor(size.height());
    grid->tiles.assign(size_t(grid->columns * grid->rows), std::move(tile));
    return Picture(std::move(grid));
}

Picture Picture::fromTiles(QSize size, std::vector<TilePtr> tiles)
{
    if (size.isEmpty() || tiles.size() != size_t(tilesFor(size.width()) * tilesFor(size.height())))
        return Picture();
    for (const TilePtr& tile : tiles)
        if (!tile)
            return Picture();
    auto grid = std::make_shared<PictureGrid>();
    grid->size = size;
    grid->columns = tilesFor(size.width());
    grid->rows = tilesFor(size.height());
    grid->tiles = std::move(tiles);
    return Picture(std::move(grid));
}

Picture Picture::withAreaFrom(const QImage& part, const QRect& area, const std::vector<QRect>& changed) const
{
    auto grid = std::make_shared<PictureGrid>(*m_grid);
    takeArea(*grid, part, area, changed);
    return Picture(std::move(grid));
}

Picture Picture::laidOver(QSize size, QRgb colour) const
{
    const Picture plain = filled(size, colour);
    if (plain.isNull() || isNull())
        return plain;
    auto grid = std::make_shared<PictureGrid>(*plain.m_grid);
    const int columns = std::min(grid->columns, m_grid->columns);
    const int rows = std::min(grid->rows, m_grid->rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int from = row * m_grid->columns + column;
            const QRect target = tileRect(size, column, row);
            const QRect covered = tileRect(m_grid->size, column, row).intersected(target);
            TilePtr& to = grid->tiles[size_t(row * grid->columns + column)];
            if (covered == target) {
                to = m_grid->tiles[size_t(from)];
                continue;
            }
            auto tile = std::make_shared_for_overwrite<Tile>();
            tile->pixels.fill(0);
            const QPoint origin(column * kTile, row * kTile);
            for (int y = 0; y < target.height(); ++y) {
                QRgb* line = tile->pixels.data() + y * kTile;
                std::fill(line, line + target.width(), colour);
                if (y < covered.height())
                    std::memcpy(line, m_grid->tiles[size_t(from)]->pixels.data() + y * kTile,
                                size_t(covered.width()) * sizeof(QRgb));
            }
            to = std::move(tile);
        }
    return Picture(std::move(grid));
}

Picture Picture::withTilesFrom(const QImage& image, const TileMask& marked) const
{
    auto grid = std::make_shared<PictureGrid>(*m_grid);
    grid->hasAlpha = false;
    for (int row = 0; row < grid->rows; ++row)
        for (int column = 0; column < grid->columns; ++column) {
            const int i = row * grid->columns + column;
            if (marked.isMarked(i))
                grid->tiles[size_t(i)] = tileFrom(image, tileRect(grid->size, column, row));
        }
    return Picture(std::move(grid));
}

std::vector<QRect> Picture::writeChanges(QImage& image, const TileReader& current,
                                         const TileMask& stale) const
{
    std::vector<QRect> written;
    if (!m_grid)
        return written;
    const bool comparable = current.size() == size();
    for (int row = 0; row < m_grid->rows; ++row)
        for (int column = 0; column < m_grid->columns; ++column) {
            const int i = row * m_grid->columns + column;
            const TilePtr& mine = m_grid->tiles[size_t(i)];
            if (comparable && !stale.isMarked(i) && current.tile(i) == mine)
                continue;
            const QRect r = tileRect(m_grid->size, column, row);
            writeTile(image, *mine, r);
            // Neighbouring tiles of a row merge, so that a full restore is
            // reported as one rectangle a row rather than one a tile.
            if (!written.empty() && written.back().top() == r.top() && written.back().right() + 1 == r.left())
                written.back().setRight(r.right());
            else
                written.push_back(r);
        }
    return written;
}

int sharedTileCount(const Picture& a, const Picture& b)
{
    if (a.isNull() || a.size() != b.size())
        return 0;
    int shared = 0;
    for (int i = 0; i < a.tileCount(); ++i)
        shared += a.tile(i) == b.tile(i) ? 1 : 0;
    return shared;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <utility>

#include "canvas/Picture.h"
#include "canvas/PictureGrid.h"

using namespace PictureTiles;

namespace {

// The tiles of `grid` that the rectangles in `changed`, clipped to `area`,
// touch; each once, in order.
std::vector<size_t> touchedTiles(int columns, const QRect& area, const std::vector<QRect>& changed)
{
    std::vector<size_t> touched;
    for (const QRect& c : changed) {
        const QRect r = c.intersected(area);
        if (r.isEmpty())
            continue;
        for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row)
            for (int column = r.left() / kTile; column <= r.right() / kTile; ++column)
                touched.push_back(size_t(row * columns + column));
    }
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    return touched;
}

} // namespace

void PictureTiles::takeArea(PictureGrid& grid, const QImage& part, const QRect& area,
                            const std::vector<QRect>& changed)
{
    grid.hasAlpha = false;
    for (const size_t i : touchedTiles(grid.columns, area, changed)) {
        const int column = int(i) % grid.columns, row = int(i) / grid.columns;
        grid.tiles[i] = tileFrom(part, tileRect(grid.size, column, row), area.topLeft());
    }
}

TileMask::TileMask(QSize pictureSize)
    : m_size(pictureSize), m_columns(tilesFor(std::max(0, pictureSize.width()))),
      m_marked(size_t(m_columns * tilesFor(std::max(0, pictureSize.height()))), false)
{
}

void TileMask::mark(const QRect& pixels)
{
    const QRect r = pixels.intersected(QRect(QPoint(0, 0), m_size));
    if (r.isEmpty())
        return;
    for (int row = r.top() / kTile; row <= r.bottom() / kTile; ++row)
        for (int column = r.left() / kTile; column <= r.right() / kTile; ++column)
            m_marked[size_t(row * m_columns + column)] = true;
    m_any = true;
}

void TileMask::clear()
{
    if (m_any)
        std::fill(m_marked.begin(), m_marked.end(), false);
    m_any = false;
}

TileGrid::TileGrid() = default;

TileGrid::~TileGrid() = default;

TileGrid::TileGrid(TileGrid&& other) noexcept
    : TileReader(std::exchange(other.m_grid, nullptr)), m_own(std::move(other.m_own)),
      m_frozen(std::move(other.m_frozen))
{
}

TileGrid& TileGrid::operator=(TileGrid&& other) noexcept
{
    m_own = std::move(other.m_own);
    m_frozen = std::move(other.m_frozen);
    m_grid = std::exchange(other.m_grid, nullptr);
    return *this;
}

void TileGrid::reset(Picture picture)
{
    m_own.reset();
    m_frozen = std::move(picture);
    m_grid = m_frozen.m_grid;
}

const Picture& TileGrid::frozen() const
{
    // The grid moves into the picture as it is: no tile is copied, and this
    // grid no longer holds it to change.
    if (m_own)
        m_frozen = Picture(std::shared_ptr<const PictureGrid>(std::move(m_own)));
    return m_frozen;
}

void TileGrid::own()
{
    if (m_own)
        return;
    m_own = std::make_unique<PictureGrid>(*m_frozen.m_grid);
    m_frozen = Picture();
    m_grid = m_own.get();
}

void TileGrid::takeArea(const QImage& part, const QRect& area, const std::vector<QRect>& changed)
{
    own();
    PictureTiles::takeArea(*m_own, part, area, changed);
}

void TileGrid::setTile(int index, TilePtr tile)
{
    own();
    m_own->tiles[size_t(index)] = std::move(tile);
}

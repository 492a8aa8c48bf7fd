// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/Picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <QPainter>

#include "canvas/PixelMath.h"

struct PictureGrid
{
    QSize size;
    int columns = 0;
    int rows = 0;
    bool hasAlpha = false;
    std::vector<TileReader::TilePtr> tiles;
};

namespace {

constexpr int kTile = Picture::kTileSize;

int tilesFor(int pixels)
{
    return (pixels + kTile - 1) / kTile;
}

// The pixels of tile (column, row) that lie inside a picture of the given size.
QRect tileRect(QSize size, int column, int row)
{
    return QRect(column * kTile, row * kTile, kTile, kTile).intersected(QRect(QPoint(0, 0), size));
}

// A tile copied from the part of an image it covers. The part of an edge tile
// beyond the image is zero so that equal images give equal tiles.
Picture::TilePtr tileFrom(const QImage& image, const QRect& r, QPoint origin = QPoint(0, 0))
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

void writeTile(QImage& image, const Picture::Tile& tile, const QRect& r, QPoint origin = QPoint(0, 0))
{
    const size_t bytes = size_t(r.width()) * sizeof(QRgb);
    for (int y = 0; y < r.height(); ++y)
        std::memcpy(image.scanLine(r.top() - origin.y() + y) + (r.left() - origin.x()) * 4,
                    tile.pixels.data() + y * kTile, bytes);
}

} // namespace

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

namespace {

void takeArea(PictureGrid& grid, const QImage& part, const QRect& area, const std::vector<QRect>& changed)
{
    grid.hasAlpha = false;
    for (const size_t i : touchedTiles(grid.columns, area, changed)) {
        const int column = int(i) % grid.columns, row = int(i) / grid.columns;
        grid.tiles[i] = tileFrom(part, tileRect(grid.size, column, row), area.topLeft());
    }
}

} // namespace

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
    ::takeArea(*m_own, part, area, changed);
}

void TileGrid::setTile(int index, TilePtr tile)
{
    own();
    m_own->tiles[size_t(index)] = std::move(tile);
}

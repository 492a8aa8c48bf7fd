// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class TileMask;

// A picture kept as a grid of 64 x 64 pixel tiles held by shared pointers.
// It never changes once made, so copying one copies a pointer, and two
// pictures taken from the same surface share every tile that did not change
// between them: a history of small figures costs the tiles those figures
// touched, not whole images. A null Picture means "no picture".
class Picture
{
  public:
    static constexpr int kTileSize = 64;
    struct Tile
    {
        std::array<QRgb, kTileSize * kTileSize> pixels;
    };
    using TilePtr = std::shared_ptr<const Tile>;

    Picture() = default;
    static Picture fromImage(const QImage& image);
    // Every tile of the grid is the same single tile of one colour.
    static Picture filled(QSize size, QRgb colour);
    // An opaque picture of `size` made of the given tiles, row by row; null
    // when their number does not fill the grid or one is missing.
    static Picture fromTiles(QSize size, std::vector<TilePtr> tiles);
    // Whether this is such a picture of `colour`, as filled() makes it.
    bool isFilledWith(QRgb colour) const;

    bool isNull() const { return !m_grid; }
    // Whether no other picture shares this one's grid; for checks of the
    // owner's bookkeeping, since another thread may let go of a copy at any
    // time.
    bool holdsGridAlone() const { return m_grid.use_count() == 1; }
    QSize size() const;
    // Pictures with transparent pixels are laid over a background rather than
    // copied; snapshots of a surface never have any.
    bool hasAlpha() const;
    int columns() const;
    int rows() const;
    int tileCount() const { return columns() * rows(); }
    // Tiles are numbered row by row from the top left.
    const TilePtr& tile(int index) const;
    QRgb pixel(QPoint p) const;

    QImage toImage() const;
    // Paints the part of the picture inside `area` at its own place, tile by
    // tile, without making the picture into one image first.
    void draw(QPainter& painter, const QRect& area) const;
    // Copies the part inside `area` into `target`, moved by `shift`, where
    // the caller keeps it inside the target: for an opaque picture and a
    // target of 32-bit pixels, which take the tiles' pixels as they are.
    void copyInto(QImage& target, QPoint shift, const QRect& area) const;

    // The whole tiles that `pixels` touches, clipped to the picture: the
    // area that copyArea() and withAreaFrom() work on.
    QRect tileArea(const QRect& pixels) const;
    // The pixels of a tile area as an image of its size; with `only`, just
    // the tiles those rectangles touch are copied and the rest are left as
    // they come.
    QImage copyArea(const QRect& area, const std::vector<QRect>& only = {}) const;
    // This picture with the tiles that `changed` touches taken from `part`,
    // an image of the tile area `area`; every other tile is shared.
    Picture withAreaFrom(const QImage& part, const QRect& area, const std::vector<QRect>& changed) const;
    // The same change made to this picture itself, for its one owner: the
    // caller must know that no other picture shares its grid (it made the
    // picture with withAreaFrom() and has handed out no copy since). A pen
    // stroke on a hidden page changes a few tiles at every move; copying
    // the whole grid each time would cost a pointer for every tile.
    void replaceArea(const QImage& part, const QRect& area, const std::vector<QRect>& changed);

    // This picture, which must have no transparent pixels, laid at the top
    // left of a picture of `size` and one colour: tiles it covers whole are
    // shared, only those along its edges are made anew.
    Picture laidOver(QSize size, QRgb colour) const;

    // This picture with the marked tiles taken afresh from an image of the
    // same size; every other tile is shared with this one.
    Picture withTilesFrom(const QImage& image, const TileMask& marked) const;

    // Writes into `image` (of this picture's size) every tile that `current`
    // does not hold by the same pointer, or that is marked stale, and returns
    // the rectangles written. When `current` describes what the image holds
    // apart from the stale tiles, the image ends up equal to this picture.
    std::vector<QRect> writeChanges(QImage& image, const Picture& current, const TileMask& stale) const;

  private:
    struct Grid;
    static void takeArea(Grid& grid, const QImage& part, const QRect& area, const std::vector<QRect>& changed);
    explicit Picture(std::shared_ptr<const Grid> grid) : m_grid(std::move(grid)) {}

    std::shared_ptr<const Grid> m_grid;
};

// How many tile positions two pictures hold by the very same tile; 0 when
// their grids differ in size.
int sharedTileCount(const Picture& a, const Picture& b);

// Marks on the tiles of a picture-sized grid: which tiles a surface has drawn
// on since it last handed its tiles out.
class TileMask
{
  public:
    explicit TileMask(QSize pictureSize = QSize());

    void mark(const QRect& pixels);
    void clear();
    bool any() const { return m_any; }
    bool isMarked(int index) const { return m_marked[size_t(index)]; }
    QSize pictureSize() const { return m_size; }

  private:
    QSize m_size;
    int m_columns = 0;
    std::vector<bool> m_marked;
    bool m_any = false;
};

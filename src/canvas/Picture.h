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

// The grid of tiles behind a Picture or a TileGrid; defined in PictureGrid.h.
struct PictureGrid;

// What a grid of 64 x 64 pixel tiles offers to read, in place: the part that
// a Picture and a TileGrid share. A null reader holds no grid.
class TileReader
{
  public:
    static constexpr int kTileSize = 64;
    struct Tile
    {
        std::array<QRgb, kTileSize * kTileSize> pixels;
    };
    using TilePtr = std::shared_ptr<const Tile>;

    bool isNull() const { return !m_grid; }
    // Whether every tile of the grid is the same single tile of `colour`, as
    // Picture::filled() makes it.
    bool isFilledWith(QRgb colour) const;
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
    // Paints the part of the grid inside `area` at its own place, tile by
    // tile, without making it into one image first.
    void draw(QPainter& painter, const QRect& area) const;
    // Copies the part inside `area` into `target`, moved by `shift`, where
    // the caller keeps it inside the target: for an opaque grid and a
    // target of 32-bit pixels, which take the tiles' pixels as they are.
    void copyInto(QImage& target, QPoint shift, const QRect& area) const;

    // The whole tiles that `pixels` touches, clipped to the grid: the area
    // that copyArea() and the changes by area work on.
    QRect tileArea(const QRect& pixels) const;
    // The pixels of a tile area as an image of its size; with `only`, just
    // the tiles those rectangles touch are copied and the others are zero.
    QImage copyArea(const QRect& area, const std::vector<QRect>& only = {}) const;

  protected:
    explicit TileReader(const PictureGrid* grid = nullptr) : m_grid(grid) {}

    // The grid read; owned by the class that derives from this one.
    const PictureGrid* m_grid;
};

// A picture kept as a grid of tiles held by shared pointers. It never changes
// once made, so copying one copies a pointer, and two pictures taken from the
// same surface share every tile that did not change between them: a history
// of small figures costs the tiles those figures touched, not whole images. A
// null Picture means "no picture".
class Picture : public TileReader
{
  public:
    Picture() = default;
    Picture(const Picture&) = default;
    Picture& operator=(const Picture&) = default;
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;

    static Picture fromImage(const QImage& image);
    // Every tile of the grid is the same single tile of one colour.
    static Picture filled(QSize size, QRgb colour);
    // An opaque picture of `size` made of the given tiles, row by row; null
    // when their number does not fill the grid or one is missing.
    static Picture fromTiles(QSize size, std::vector<TilePtr> tiles);

    // This picture with the tiles that `changed` touches taken from `part`,
    // an image of the tile area `area`; every other tile is shared.
    Picture withAreaFrom(const QImage& part, const QRect& area, const std::vector<QRect>& changed) const;

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
    std::vector<QRect> writeChanges(QImage& image, const TileReader& current, const TileMask& stale) const;

  private:
    friend class TileGrid;
    explicit Picture(std::shared_ptr<const PictureGrid> grid);

    std::shared_ptr<const PictureGrid> m_hold;
};

// The tiles a surface draws on. While the grid is its own it changes the
// touched tiles in place: a pen stroke on a hidden page changes a few tiles
// at every move, and copying the whole grid each time would cost a pointer
// for every tile. Handing the pixels out freezes the grid into a Picture,
// which never changes; the next change then makes a grid of its own first,
// sharing every tile.
class TileGrid : public TileReader
{
  public:
    TileGrid();
    ~TileGrid();
    TileGrid(TileGrid&& other) noexcept;
    TileGrid& operator=(TileGrid&& other) noexcept;

    // Takes `picture` as the tiles; nothing is copied until a change.
    void reset(Picture picture);
    // The tiles as they now stand, as a picture that never changes.
    const Picture& frozen() const;
    // Takes the tiles that `changed` touches from `part`, an image of the
    // tile area `area`, as Picture::withAreaFrom() does.
    void takeArea(const QImage& part, const QRect& area, const std::vector<QRect>& changed);
    // Puts `tile` in place `index`.
    void setTile(int index, TilePtr tile);

  private:
    // Makes the grid this one's own to change, sharing every tile.
    void own();

    // One of the two holds the grid: m_own while this grid is changed in
    // place, m_frozen once it has been handed out.
    mutable std::unique_ptr<PictureGrid> m_own;
    mutable Picture m_frozen;
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

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QImage>
#include <QRect>
#include <QString>

#include "canvas/Picture.h"

// What a surface keeps: its pixels as one full image, as a grid of tiles,
// or both. The tiles are those last handed out as a Picture, with marks on
// those drawn on since, so that a snapshot after a small figure copies only
// the tiles the figure touched. A page never drawn on holds one shared tile of
// its BackColor and makes its full image only when something needs the
// pixels; a hidden page keeps its pixels in its tiles alone, shared with its
// history, and its full image only as a passing copy for a reader.
//
// How the three hang together; checkInvariants() tests each of these:
// 1. The pixels are held in the full image, in the tiles, or in both: never
//    in neither. Each has the image's size; the full image is 32-bit RGB and
//    the tiles have no transparency; the stale marks cover the same size.
// 2. Where both are held, each tile not marked stale holds exactly the full
//    image's pixels. Without the full image nothing is stale.
class PersistentImage
{
  public:
    // An image of one colour, held as one shared tile.
    PersistentImage(QSize size, QRgb colour);

    QSize size() const { return m_size; }
    // The full image, made from the tiles if it is not held.
    const QImage& whole() const;
    bool holdsWhole() const { return !m_image.isNull(); }
    // The full image as held: null when the pixels are only in the tiles.
    const QImage& heldWhole() const { return m_image; }
    // Whether the pixels are all in the tiles, nothing drawn past them.
    bool isSettled() const { return !m_tiles.isNull() && !m_stale.any(); }
    const TileReader& tiles() const { return m_tiles; }
    // Whether the image is nothing but one colour, still in one shared tile.
    bool isPlain(QRgb colour) const { return m_image.isNull() && m_tiles.isFilledWith(colour); }
    // The pixels as a picture, sharing every tile not drawn on since last asked.
    Picture handOut() const;
    qsizetype wholeBytes() const { return m_image.sizeInBytes(); }

    // Drawing on the full image: whoever writes into wholeForDrawing() marks
    // what it wrote with drawn(), so that the tiles under it go stale.
    QImage& wholeForDrawing();
    void drawn(const QRect& pixels) { m_stale.mark(pixels); }

    // Drawing on the tiles where they lie, with no full image: the pixels of
    // the tile area `area` (only the tiles `ink` touches), and taking back
    // the tiles under `ink` from that image once drawn on.
    QImage tileArea(const QRect& area, const std::vector<QRect>& ink) const;
    void takeTileArea(const QImage& part, const QRect& area, const std::vector<QRect>& ink);
    // The paint bucket on the tiles; the painted area, empty when none.
    QRect fillTiles(QPoint seed, QRgb colour);

    // Becomes `size` pixels of one colour.
    void becomePlain(QSize size, QRgb colour);
    // Becomes `picture`, of this size and opaque, held in its tiles alone.
    void takePicture(const Picture& picture);
    // Becomes `picture`, of this size and opaque, writing into the full
    // image only the tiles it does not share with what was held; returns
    // the areas written.
    std::vector<QRect> rewriteTo(const Picture& picture);
    // Becomes `picture` of any size laid over `colour` at the top left, in
    // tiles alone: only the tiles the picture covers are made anew.
    void layOver(const Picture& picture, QRgb colour);
    // Becomes `size` pixels of `colour` with `picture` at the top left and
    // what was held over it, in the full image.
    void resize(QSize size, QRgb colour, const Picture& picture);
    // Hands what was drawn over to the tiles and lets go of the full image.
    void settle();

    // Describes the first broken invariant, or is empty. Compares every
    // rowStep-th row of pixels from firstRow.
    QString checkInvariants(int rowStep, int firstRow) const;

  private:
    // Every assignment of m_tiles but the drawing in place goes through here.
    void replaceTiles(Picture tiles) const;

    QSize m_size;
    // Null while the pixels live only in m_tiles. Readers fill in m_image and
    // hand out m_tiles, so both are mutable.
    mutable QImage m_image;
    mutable TileGrid m_tiles; // null when no tile of m_image has been taken yet
    mutable TileMask m_stale; // tiles of m_image drawn on since m_tiles was made
};

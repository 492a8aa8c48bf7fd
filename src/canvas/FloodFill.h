// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// The paint bucket: paints every pixel 4-connected to `seed` that has exactly
// the seed's colour with `fill`, painted opaque. Colours are compared on their
// red, green and blue bytes only, so the top byte of a pixel never keeps two
// otherwise equal colours apart.
//
// Returns the bounding rectangle of the painted pixels, or an empty QRect when
// nothing changed: the seed lies outside the image, the seed already has the
// fill colour, or the image is neither Format_RGB32 nor
// Format_ARGB32_Premultiplied. An image that is left alone is not detached.
//
// The fill works on whole runs of the image's scanlines, so its cost follows
// the pixels it paints, and the spans still to visit are kept on a stack that
// grows with the number of runs, never with the number of pixels.
QRect floodFill(QImage& image, QPoint seed, QRgb fill);

// The same fill, painting the very same pixels on `twin` as well: the region
// is found on `image` alone, whatever `twin` holds. This keeps a second layer
// that shows the image, with other drawing over it, in step with the fill.
// Nothing is painted when `twin` differs from `image` in size or is not in one
// of the two formats.
QRect floodFillBoth(QImage& image, QImage& twin, QPoint seed, QRgb fill);

class TileGrid;

// The same fill on a grid of tiles, for a surface that keeps its pixels only
// there: the region is followed from tile to tile across their edges, and only
// the tiles it reaches change. A tile wholly of the replaced colour becomes one
// tile of `fill` shared by all such tiles, with no pixel written; any other
// tile it reaches is copied and filled. The rest of the grid stays shared with
// the pictures handed out before.
QRect floodFillTiles(TileGrid& tiles, QPoint seed, QRgb fill);

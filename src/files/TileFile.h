// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QByteArray>

#include "canvas/Picture.h"

// A picture's tiles as bytes, for keeping pages on disk: a tile of one colour
// is that colour, every other tile its pixels, all compressed together at
// zlib's fastest level; a checksum over the whole comes last. Drawings are
// mostly flat colour, so a page codes in a few milliseconds straight from its
// tiles, without being made into one image first, and reads back into the
// very same tiles.
// Nothing when zlib fails (it ran out of memory).
QByteArray encodeTiles(const Picture& picture);

// The picture in bytes that encodeTiles() wrote, or nothing when they are cut
// short, damaged (the checksum disagrees), of another version, or describe a
// picture larger than any that is opened (a side above kMaxPictureSide, or
// more bytes than kPictureMemoryLimitMb): a page is never larger than the
// canvas, and a file that claims more is damaged. So reading one costs at
// most one such picture, whatever the file says.
std::optional<Picture> decodeTiles(const QByteArray& bytes);

// The most bytes encodeTiles() writes for the largest picture decodeTiles()
// takes, with every tile of its own pixels that do not compress at all.
qint64 largestTileFile();

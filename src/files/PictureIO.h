// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QString>

class QIODevice;

// Pictures larger than this on either side are refused, before they are
// decoded wherever the file tells the size beforehand: no screen shows them,
// and decoding them could take gigabytes.
inline constexpr int kMaxPictureSide = 16384;
// The most memory, in megabytes, a decoder may take for one picture; the
// same bound caps the size of a file that is read.
inline constexpr int kPictureMemoryLimitMb = 256;

// Writes `image` as a BMP or PNG file at `path`. The picture goes to a
// temporary file in the same folder that replaces the target only once it is
// complete, so an existing file is never left half-written. False on any
// failure, and then the target is as it was.
bool writeBmp(const QImage& image, const QString& path);
bool writePng(const QImage& image, const QString& path);

// Writes the file at `path` through `write`, atomically as the two above:
// a failing `write` or commit leaves the target as it was.
bool writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

// The kinds of picture a file may hold to be opened. A PNG is taken only
// under a name that says so; BMP, JPG and GIF files stand in for each other,
// whatever their names say.
enum class PictureKinds
{
    BmpJpgGif,
    Png,
    Any
};

// Why a file gave no picture: it could not be read at all (it is missing, a
// folder, a pipe or a device, or reading it failed), or it was read but
// holds no picture of the kinds taken.
enum class ReadFailure
{
    CannotRead,
    NotAPicture
};

// The picture in a BMP, JPG, GIF or PNG file (the first picture of a GIF),
// recognised by its content, or nothing when the file cannot be read, is of
// another kind, is cut short, does not decode or is too large; `failure`
// then says which. No more than the size limit is ever read, whatever size
// the file claims. A PNG with transparent parts is laid on white; a picture
// of another kind keeps its alpha channel, so a surface lays it over its
// background colour; any other comes as opaque RGB32.
std::optional<QImage> readPicture(const QString& path, ReadFailure* failure = nullptr,
                                  PictureKinds kinds = PictureKinds::Any);

// The same for a picture held in memory (what a clipboard holds): the same
// kinds, checks and limits, without the file.
std::optional<QImage> readPictureData(const QByteArray& data, ReadFailure* failure = nullptr,
                                      PictureKinds kinds = PictureKinds::Any);

// Whether a picture of this size is within the limits a picture opened must
// keep: no side above kMaxPictureSide, no more than the memory limit.
bool withinPictureLimits(QSize size);

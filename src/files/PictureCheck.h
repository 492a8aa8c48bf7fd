// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The picture formats the program opens, recognised by their first bytes
// rather than by the file's name.
enum class PictureFormat
{
    Unknown,
    Bmp,
    Jpeg,
    Gif,
    Png
};

PictureFormat pictureFormat(const QByteArray& data);

// The decoder's name of a format for QImageReader ("bmp", "jpeg", "gif", "png").
QByteArray decoderName(PictureFormat format);

// Whether the file holds all of the picture its header promises. Qt's
// decoders turn a cut-off BMP or JPG into a whole picture with a grey or black
// remainder and report success, so a truncated file is caught here instead:
// a BMP must hold every row its header describes (coded rows up to their end
// code, whatever size the header gives them), a JPG must reach its end
// marker after the image data, a GIF must hold the whole of its first
// picture, and a PNG must hold every chunk up to its end chunk.
bool isCompletePicture(const QByteArray& data, PictureFormat format);

// Whether a BMP's pixels are stored row by row uncoded, so that the header
// alone fixes how many bytes they take.
bool isPlainBmp(const QByteArray& head);

// Whether a BMP of `fileSize` bytes holds every row its header, at the start
// of `head`, describes.
bool isCompleteBmp(const QByteArray& head, qint64 fileSize);

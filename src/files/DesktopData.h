// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QImage>
#include <QStringList>

#include "files/PictureIO.h"

class QMimeData;

// The local files a drag brings, in the order it lists them; empty when it
// brings anything else as well (text, a web address, a remote file), which
// is then refused before the drop.
QStringList droppedFiles(const QMimeData* data);

// The picture a clipboard holds, through the checks and limits of open: a
// picture file's bytes (PNG, BMP, JPG or GIF) are checked and decoded as an
// opened file's are; a picture handed over as an image is held to the same
// size limits. Nothing, with `failure` set to NotAPicture, when the picture
// is refused; nothing with `failure` left alone when there is no picture.
std::optional<QImage> clipboardPicture(const QMimeData* data, ReadFailure* failure = nullptr);
bool holdsPicture(const QMimeData* data);

// What copy puts on the clipboard: the page as an image, which the desktop
// hands to other programs as image/png among others.
QMimeData* pictureMimeData(const QImage& page);

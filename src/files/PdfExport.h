// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include <QImage>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include "pages/PageSwitch.h"

class Picture;
class Surface;

// Whether a page holds nothing but its back colour: never drawn on, or
// drawn on and cleared.
bool isBlankPage(const Picture& page, QRgb backColour);

// The pages a PDF of the drawing holds, in page order: every page that is
// not blank, or the current page alone when all of them are.
std::vector<QImage> pdfPages(const std::array<Surface, kPageCount>& pages, int currentPage);

// Writes the pictures as one PDF at `path`, one sheet each, placed as the
// printer places the canvas: at `sizeInches` from the printable area's
// corner when that fits `paper`, otherwise scaled down to fit, on a landscape
// sheet when wider than tall. The file is written atomically; false on any
// failure, and then the target is as it was.
bool writePagesPdf(const std::vector<QImage>& pictures, QSizeF sizeInches, const QPageSize& paper,
                   const QString& path);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSizeF>

class PlatformServices;
class Surface;

// Where a picture of `pictureInches` goes in a printable area of
// `printableInches`, in inches from the area's top-left corner: at its true
// size when it fits, otherwise scaled down with its proportions kept until it
// just fits. Either way it stands at the area's origin.
QRectF printPlacement(QSizeF pictureInches, QSizeF printableInches);

// A picture wider than tall is printed on a landscape page.
bool landscapeFor(QSizeF pictureInches);

class QPagedPaintDevice;

// Turns `sheet` (a printer or a PDF writer) to the picture's orientation,
// then places the picture on its printable area as printPlacement() does.
// The orientation comes first, since the printable area depends on it.
QRectF placeOnSheet(QPagedPaintDevice& sheet, QSizeF pictureInches);

// The canvas's size on paper: its pixels at the screen's twips per pixel,
// 1440 twips to the inch.
QSizeF canvasInches(const Surface& canvas);

// Prints what the canvas shows (its persistent image, without any rubber-band
// preview) on the default printer at the canvas's size. False when there was
// no printer to take it.
bool printCanvas(const Surface& canvas, PlatformServices& services);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QImage>
#include <QPoint>

#include "core/Colour.h"

// The palette strip's bitmap: 44 swatches in two groups of 22, each a 12-pixel
// field of its colour in a sunken frame, 16 pixels from one swatch to the next.
namespace PaletteStrip {

constexpr int kSwatches = 44;
constexpr QSize kBitmapSize(713, 19);

// The swatch colours, left to right, packed 0xBBGGRR.
const std::array<Colour, kSwatches>& colours();

// The bitmap, 8 bits per pixel, generated from the colour table.
QImage bitmap();

// The middle pixel of swatch i's colour field, in bitmap pixels.
QPoint swatchCentre(int i);
// The left edge of swatch i's frame.
int swatchLeft(int i);

} // namespace PaletteStrip

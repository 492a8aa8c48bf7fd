// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>

#include "core/Colour.h"

// Helpers shared by the tests that look at pixels.

// How many pixels of `image` inside `area` (the whole image when empty) have
// the given colour.
int countPixels(const QImage& image, Colour colour, QRect area = QRect());

// The first pixel where two images differ, or (-1, -1) when they are equal.
QPoint firstDifference(const QImage& a, const QImage& b);

Colour pixelAt(const QImage& image, int x, int y);

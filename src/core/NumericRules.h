// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>

#include <QStringView>

// The arithmetic every handler shares. Whole-number arithmetic on 16-bit and
// 32-bit values is checked: a result that does not fit raises OverflowError,
// which the handler that started the work catches and drops.

class OverflowError : public std::overflow_error
{
  public:
    OverflowError() : std::overflow_error("Desbordamiento") {}
};

// The 32-bit integer nearest to v, halves going to the even neighbour.
std::int32_t nearest(double v);

// The same rounding into a 16-bit integer.
std::int16_t nearest16(double v);

// (nearest(v) div step) * step, the division truncating toward zero.
std::int32_t snapToGrid(double v, std::int32_t step);

std::int32_t add32(std::int64_t a, std::int64_t b);
std::int32_t sub32(std::int64_t a, std::int64_t b);
std::int32_t mul32(std::int64_t a, std::int64_t b);
std::int16_t add16(std::int32_t a, std::int32_t b);
std::int16_t sub16(std::int32_t a, std::int32_t b);
std::int16_t mul16(std::int32_t a, std::int32_t b);

// 2 * axis - v: the image of a coordinate mirrored about an axis.
std::int32_t mirrored(std::int32_t axis, std::int32_t v);

// The leading number of a text: blanks are skipped anywhere, a full stop is
// the decimal point, an exponent (E or D) and the &H / &O prefixes of
// hexadecimal and octal numbers are understood, only ASCII digits count, and a
// text that does not start with a number gives 0. A number too large for a
// double raises OverflowError.
double Val(QStringView text);

#include "core/Colour.h"

// The drawing colour C, formed afresh before every drawing call from the three
// components: red + 256 * green + 65536 * blue, each component first taken to
// a 16-bit integer. A component above 255 counts as 255 and one below 0
// as 0, so a colour never spills into its neighbour's byte.
Colour drawingColour(double red, double green, std::int16_t blue);

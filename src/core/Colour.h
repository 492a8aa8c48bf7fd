// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include <QColor>

// Colours are packed the way the drawing code has always passed them around:
// red in the low byte, then green, then blue (0xBBGGRR).
using Colour = std::uint32_t;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;

constexpr int redOf(Colour c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c)
{
    return int((c >> 16) & 0xFF);
}

constexpr Colour packColour(int red, int green, int blue)
{
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}

inline QColor toQColor(Colour c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour fromQColor(const QColor& c)
{
    return packColour(c.red(), c.green(), c.blue());
}
inline Colour fromRgb32(unsigned int argb)
{
    return packColour(int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF));
}

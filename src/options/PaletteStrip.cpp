// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/PaletteStrip.h"

namespace {

constexpr Colour rgb(unsigned int rrggbb)
{
    return packColour(int(rrggbb >> 16), int((rrggbb >> 8) & 0xFF), int(rrggbb & 0xFF));
}

constexpr int kPitch = 16;
constexpr int kSecondGroupLeft = 361; // the strip's spare pixels part the two groups
constexpr int kFieldTop = 4;
constexpr int kField = 12;

// Frame lines, from the outside in: mid grey and black above and to the left,
// light grey and mid grey (outermost) below and to the right.
constexpr Colour kLightGrey = 0xC0C0C0;
constexpr Colour kMidGrey = 0x808080;

} // namespace

namespace PaletteStrip {

const std::array<Colour, kSwatches>& colours()
{
    static const std::array<Colour, kSwatches> table = {
        rgb(0xFFFFFF), rgb(0xC0C0C0), rgb(0xFF0000), rgb(0xFFFF00), rgb(0x00FF00), rgb(0x00FFFF),
        rgb(0x0000FF), rgb(0xFF00FF), rgb(0xFFFF80), rgb(0x00FF80), rgb(0x80FFFF), rgb(0x8080FF),
        rgb(0xFF0080), rgb(0xFF8040), rgb(0xFFFFFF), rgb(0xC0C0C0), rgb(0xFF0000), rgb(0xCC9966),
        rgb(0x00FF00), rgb(0xCC33CC), rgb(0x336633), rgb(0xFF00FF), rgb(0x000000), rgb(0x808080),
        rgb(0x800000), rgb(0x808000), rgb(0x008000), rgb(0x008080), rgb(0x000080), rgb(0x800080),
        rgb(0x808040), rgb(0x004040), rgb(0x0080FF), rgb(0x004080), rgb(0x4000FF), rgb(0x804000),
        rgb(0x000000), rgb(0x808080), rgb(0x800000), rgb(0x993300), rgb(0x008000), rgb(0x008080),
        rgb(0x000080), rgb(0x800080),
    };
    return table;
}

int swatchLeft(int i)
{
    return i < kSwatches / 2 ? i * kPitch : kSecondGroupLeft + (i - kSwatches / 2) * kPitch;
}

QPoint swatchCentre(int i)
{
    return QPoint(swatchLeft(i) + 2 + kField / 2, kFieldTop + kField / 2);
}

QImage bitmap()
{
    // Indexes 0..3 of the colour table are the frame and the background; the
    // swatch colours follow.
    QImage image(kBitmapSize, QImage::Format_Indexed8);
    QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80), qRgb(0, 0, 0)};
    for (Colour c : colours())
        table.append(qRgb(redOf(c), greenOf(c), blueOf(c)));
    image.setColorTable(table);
    image.fill(0);

    auto hline = [&](int x0, int x1, int y, uint index) {
        for (int x = x0; x <= x1; ++x)
            image.setPixel(x, y, index);
    };
    auto vline = [&](int x, int y0, int y1, uint index) {
        for (int y = y0; y <= y1; ++y)
            image.setPixel(x, y, index);
    };
    for (int i = 0; i < kSwatches; ++i) {
        const int left = swatchLeft(i), right = left + kPitch - 1;
        const int top = kFieldTop - 2, bottom = kFieldTop + kField + 1;
        hline(left, right, top, 2);
        vline(left, top, bottom, 2);
        hline(left + 1, right - 1, top + 1, 3);
        vline(left + 1, top + 1, bottom - 1, 3);
        hline(left + 1, right - 1, bottom - 1, 1);
        vline(right - 1, top + 1, bottom - 1, 1);
        hline(left, right, bottom, 2);
        vline(right, top, bottom, 2);
        for (int y = kFieldTop; y < kFieldTop + kField; ++y)
            hline(left + 2, left + 1 + kField, y, uint(4 + i));
    }
    return image;
}

} // namespace PaletteStrip

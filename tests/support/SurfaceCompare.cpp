// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/SurfaceCompare.h"

int countPixels(const QImage& image, Colour colour, QRect area)
{
    if (area.isEmpty())
        area = image.rect();
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (fromRgb32(image.pixel(x, y)) == colour)
                ++n;
    return n;
}

QPoint firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QPoint(0, 0);
    const QImage ca = a.convertToFormat(QImage::Format_RGB32);
    const QImage cb = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ca.height(); ++y)
        for (int x = 0; x < ca.width(); ++x)
            if ((ca.pixel(x, y) & 0xFFFFFF) != (cb.pixel(x, y) & 0xFFFFFF))
                return QPoint(x, y);
    return QPoint(-1, -1);
}

Colour pixelAt(const QImage& image, int x, int y)
{
    return fromRgb32(image.pixel(x, y));
}

#pragma once

#include <algorithm>
#include <cmath>
#include <cstring>

#include <QImage>
#include <QRect>

// Pixel arithmetic shared by the surface's source files.
namespace PixelMath {

// The rectangle with two opposite corners a and b, both inside it.
inline QRect spanned(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Coordinates far outside any surface are held at a distance where pixel
// arithmetic cannot overflow; what is drawn there is clipped away anyway.
constexpr double kFar = 1 << 28;

inline int roundHalfUp(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::floor(std::clamp(v, -kFar, kFar) + 0.5));
}

// Copies one rectangle of pixels between two images of the same size and format.
inline void copyPixels(QImage& to, const QImage& from, const QRect& r)
{
    const int bytes = r.width() * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4, size_t(bytes));
}

} // namespace PixelMath

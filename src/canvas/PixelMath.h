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
    const qsizetype toStride = to.bytesPerLine(), fromStride = from.bytesPerLine();
    const size_t bytes = size_t(r.width()) * 4;
    uchar* out = to.bits() + r.top() * toStride + r.left() * 4;
    const uchar* in = from.constBits() + r.top() * fromStride + r.left() * 4;
    for (int row = 0; row < r.height(); ++row, out += toStride, in += fromStride)
        std::memcpy(out, in, bytes);
}

} // namespace PixelMath

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>

#ifdef __linux__
#include <sys/mman.h>
#endif

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

// Copies rectangles of `from` to the same places moved by `shift` in `to`;
// the caller keeps them inside both images.
inline void copyAreas(QImage& to, QPoint shift, const QImage& from, std::span<const QRect> rects)
{
    const qsizetype toStride = to.bytesPerLine(), fromStride = from.bytesPerLine();
    uchar* const toBits = to.bits();
    const uchar* const fromBits = from.constBits();
    for (const QRect& r : rects) {
        const size_t bytes = size_t(r.width()) * 4;
        uchar* out = toBits + (r.top() + shift.y()) * toStride + (r.left() + shift.x()) * 4;
        const uchar* in = fromBits + r.top() * fromStride + r.left() * 4;
        for (int row = 0; row < r.height(); ++row, out += toStride, in += fromStride)
            std::memcpy(out, in, bytes);
    }
}

// A figure on a whole surface touches a few pixels on each of many rows, and
// each row of a wide image lies on a memory page of its own: the time goes on
// finding the pages rather than on the pixels. Asking the system to keep a
// surface-sized image in 2 MiB pages, before anything is written to it, lets
// one page hold hundreds of rows. Where the system has no such pages, or
// gives none, nothing changes.
inline void adviseHuge(QImage& image)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto begin = reinterpret_cast<std::uintptr_t>(image.bits());
    const std::uintptr_t end = begin + std::uintptr_t(image.sizeInBytes());
    const std::uintptr_t huge = std::uintptr_t(2) << 20;
    const std::uintptr_t from = (begin + huge - 1) & ~(huge - 1), to = end & ~(huge - 1);
    if (from < to)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    Q_UNUSED(image);
#endif
}

// Copies one rectangle of pixels between two images of the same size and format.
inline void copyPixels(QImage& to, const QImage& from, const QRect& r)
{
    copyAreas(to, QPoint(0, 0), from, std::span<const QRect>(&r, 1));
}

// A copy of a surface-sized image kept as adviseHuge() says.
inline QImage hugeCopy(const QImage& from)
{
    QImage image(from.size(), from.format());
    adviseHuge(image);
    copyPixels(image, from, from.rect());
    return image;
}

} // namespace PixelMath

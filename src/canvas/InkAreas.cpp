// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/InkAreas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Pieces of a figure are at most this many pixels long: short enough that
// each piece's box hugs the stroke, long enough to keep the list short.
constexpr double kPieceLength = 24;
constexpr int kMaxPieces = 4096;

// Half the pen and a pixel or two of rounding on each side.
int margin(int penWidth)
{
    return std::max(penWidth, 1) / 2 + 2;
}

QRect around(QPointF a, QPointF b, double pad)
{
    const double left = std::floor(std::min(a.x(), b.x()) - pad);
    const double top = std::floor(std::min(a.y(), b.y()) - pad);
    const double right = std::ceil(std::max(a.x(), b.x()) + pad);
    const double bottom = std::ceil(std::max(a.y(), b.y()) + pad);
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

} // namespace

std::vector<QRect> segmentInk(QPoint from, QPoint to, int penWidth)
{
    const int pad = margin(penWidth);
    const QPointF a(from), b(to);
    const double length = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    const int pieces = int(std::clamp(std::ceil(length / kPieceLength), 1.0, double(kMaxPieces)));
    std::vector<QRect> ink;
    ink.reserve(size_t(pieces));
    for (int i = 0; i < pieces; ++i)
        ink.push_back(around(a + (b - a) * i / pieces, a + (b - a) * (i + 1) / pieces, pad));
    return ink;
}

std::vector<QRect> boxOutlineInk(const QRect& box, int penWidth)
{
    // Mitred corners reach out up to the whole pen width, and further at
    // the corners of a box with no width or height.
    const int pad = std::max(penWidth, 1) + 2;
    if (box.width() <= 4 * pad || box.height() <= 4 * pad)
        return {box.adjusted(-pad, -pad, pad, pad)};
    const int l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
    return {QRect(QPoint(l - pad, t - pad), QPoint(r + pad, t + pad)),
            QRect(QPoint(l - pad, b - pad), QPoint(r + pad, b + pad)),
            QRect(QPoint(l - pad, t + pad + 1), QPoint(l + pad, b - pad - 1)),
            QRect(QPoint(r - pad, t + pad + 1), QPoint(r + pad, b - pad - 1))};
}

std::vector<QRect> ellipseOutlineInk(QPointF centre, double rx, double ry, int penWidth, double start,
                                     double span)
{
    const int pad = margin(penWidth);
    const double radius = std::max(rx, ry);
    const double arcLength = radius * std::abs(span);
    if (!std::isfinite(arcLength) || radius < 2 * kPieceLength / std::numbers::pi)
        return {around(centre - QPointF(rx, ry), centre + QPointF(rx, ry), pad)};
    const int pieces = int(std::clamp(std::ceil(arcLength / kPieceLength), 4.0, double(kMaxPieces)));
    const double step = span / pieces;
    // Between its two ends an arc piece bulges off the chord by at most the
    // sagitta of the larger radius.
    const double bulge = radius * (1 - std::cos(std::abs(step) / 2)) + 1;
    // The points along the arc come from turning the last one by the step,
    // which saves a sine and a cosine a piece.
    const double turnCos = std::cos(step), turnSin = std::sin(step);
    double c = std::cos(start), s = std::sin(start);
    QPointF from = centre + QPointF(rx * c, -ry * s);
    std::vector<QRect> ink;
    ink.reserve(size_t(pieces));
    for (int i = 0; i < pieces; ++i) {
        const double nextC = c * turnCos - s * turnSin;
        s = s * turnCos + c * turnSin;
        c = nextC;
        const QPointF to = centre + QPointF(rx * c, -ry * s);
        ink.push_back(around(from, to, pad + bulge));
        from = to;
    }
    return ink;
}

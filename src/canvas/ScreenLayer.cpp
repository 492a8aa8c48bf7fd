// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/ScreenLayer.h"

#include <cstring>

#include "canvas/PixelMath.h"

using namespace PixelMath;

ScreenLayer::ScreenLayer(QSize size) : m_transient(size)
{
}

QImage& ScreenLayer::drawOn(const QImage& under)
{
    if (m_screen.isNull())
        m_screen = hugeCopy(under);
    return m_screen;
}

void ScreenLayer::restore(const QImage& under, const std::vector<QRect>& areas)
{
    if (!m_screen.isNull())
        copyAreas(m_screen, QPoint(0, 0), under, areas);
}

void ScreenLayer::restoreTransient(const QImage& under)
{
    if (!m_screen.isNull())
        copyAreas(m_screen, QPoint(0, 0), under, m_transient.runs());
}

void ScreenLayer::restoreAll(const QImage& under)
{
    m_transient.clear();
    if (m_screen.isNull())
        return;
    if (m_screen.size() == under.size())
        copyPixels(m_screen, under, under.rect());
    else
        m_screen = QImage();
}

void ScreenLayer::drop()
{
    m_screen = QImage();
    m_transient.clear();
}

void ScreenLayer::resize(QSize size)
{
    m_screen = QImage();
    m_transient = BlockMask(size);
}

namespace {

// The first pixel in [from, to) of row y where two images differ, or -1.
int firstDifferenceInRow(const QImage& a, const QImage& b, int y, int from, int to)
{
    if (from >= to)
        return -1;
    const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    if (std::memcmp(la + from, lb + from, size_t(to - from) * sizeof(QRgb)) == 0)
        return -1;
    for (int x = from; x < to; ++x)
        if (la[x] != lb[x])
            return x;
    return -1;
}

} // namespace

QString ScreenLayer::checkInvariants(const QImage& under, int rowStep, int firstRow) const
{
    if (m_screen.isNull())
        return m_transient.any() ? QStringLiteral("blocks are marked transient with no screen layer")
                                 : QString();
    if (under.isNull())
        return QStringLiteral("a screen layer is held without a full image");
    if (m_screen.size() != m_transient.area() || m_screen.format() != under.format() ||
        m_screen.size() != under.size())
        return QStringLiteral("the screen layer is %1x%2 in format %3")
            .arg(m_screen.width())
            .arg(m_screen.height())
            .arg(int(m_screen.format()));
    // The transient runs come sorted by rows of blocks, then left to right;
    // between them and around them the two images must agree.
    const std::vector<QRect> runs = m_transient.runs();
    size_t first = 0;
    for (int y = firstRow; y < m_screen.height(); y += rowStep) {
        while (first < runs.size() && runs[first].bottom() < y)
            ++first;
        int from = 0;
        int x = -1;
        for (size_t i = first; x < 0 && i < runs.size() && runs[i].top() <= y; ++i) {
            x = firstDifferenceInRow(m_screen, under, y, from, runs[i].left());
            from = runs[i].right() + 1;
        }
        if (x < 0)
            x = firstDifferenceInRow(m_screen, under, y, from, m_screen.width());
        if (x >= 0)
            return QStringLiteral("the screen layer differs from the persistent image at (%1, %2), "
                                  "outside every transient block")
                .arg(x)
                .arg(y);
    }
    return QString();
}

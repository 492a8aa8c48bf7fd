// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstring>

#include "canvas/Surface.h"

namespace {

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

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

QString Surface::checkInvariants(int rowStep, int firstRow) const
{
    rowStep = std::max(1, rowStep);
    firstRow = std::clamp(firstRow, 0, rowStep - 1);
    const auto compared = [&](int y) { return (y - firstRow) % rowStep == 0; };
    // 1. Where the persistent image is held, and the sizes of everything.
    if (m_image.isNull() && m_tiles.isNull())
        return QStringLiteral("the persistent image is held neither whole nor in tiles");
    if (!m_image.isNull() && (m_image.size() != m_size || m_image.format() != QImage::Format_RGB32))
        return QStringLiteral("the full image is %1 in format %2 on a surface of %3")
            .arg(sizeText(m_image.size()))
            .arg(int(m_image.format()))
            .arg(sizeText(m_size));
    if (!m_tiles.isNull() && (m_tiles.size() != m_size || m_tiles.hasAlpha()))
        return QStringLiteral("the tiles are %1%2 on a surface of %3")
            .arg(sizeText(m_tiles.size()),
                 m_tiles.hasAlpha() ? QStringLiteral(" with transparency") : QString())
            .arg(sizeText(m_size));
    if (m_stale.pictureSize() != m_size || m_transient.area() != m_size || m_changedBlocks.area() != m_size)
        return QStringLiteral("a mark grid does not cover the surface's size %1").arg(sizeText(m_size));

    // 2. The tiles handed out against the full image.
    if (m_image.isNull() && m_stale.any())
        return QStringLiteral("tiles are marked stale with no full image drawn on");
    if (!m_image.isNull() && !m_tiles.isNull()) {
        const int size = Picture::kTileSize;
        for (int i = 0; i < m_tiles.tileCount(); ++i) {
            if (m_stale.isMarked(i))
                continue;
            const QRect r = QRect(i % m_tiles.columns() * size, i / m_tiles.columns() * size, size, size)
                                .intersected(rect());
            const Picture::Tile& tile = *m_tiles.tile(i);
            for (int y = 0; y < r.height(); ++y) {
                if (!compared(r.top() + y))
                    continue;
                const auto* row =
                    reinterpret_cast<const QRgb*>(m_image.constScanLine(r.top() + y)) + r.left();
                if (std::memcmp(row, tile.pixels.data() + y * size, size_t(r.width()) * sizeof(QRgb)) != 0)
                    return QStringLiteral(
                               "tile %1 is not marked stale but differs from the full image in row %2")
                        .arg(i)
                        .arg(r.top() + y);
            }
        }
    }

    // 3. A hidden surface.
    if (!m_shown && (m_tiles.isNull() || m_stale.any() || !m_screen.isNull() || m_transient.any()))
        return QStringLiteral(
            "a hidden surface holds a screen layer, transient blocks, stale tiles or no tiles");

    // 4. The screen layer against the persistent image.
    if (m_screen.isNull() && m_transient.any())
        return QStringLiteral("blocks are marked transient with no screen layer");
    if (!m_screen.isNull()) {
        if (m_image.isNull())
            return QStringLiteral("a screen layer is held without a full image");
        if (m_screen.size() != m_size || m_screen.format() != m_image.format())
            return QStringLiteral("the screen layer is %1 in format %2")
                .arg(sizeText(m_screen.size()))
                .arg(int(m_screen.format()));
        // The transient runs come sorted by rows of blocks, then left to
        // right; between them and around them the two images must agree.
        const std::vector<QRect> runs = m_transient.runs();
        size_t first = 0;
        for (int y = firstRow; y < m_size.height(); y += rowStep) {
            while (first < runs.size() && runs[first].bottom() < y)
                ++first;
            int from = 0;
            int x = -1;
            for (size_t i = first; x < 0 && i < runs.size() && runs[i].top() <= y; ++i) {
                x = firstDifferenceInRow(m_screen, m_image, y, from, runs[i].left());
                from = runs[i].right() + 1;
            }
            if (x < 0)
                x = firstDifferenceInRow(m_screen, m_image, y, from, m_size.width());
            if (x >= 0)
                return QStringLiteral("the screen layer differs from the persistent image at (%1, %2), "
                                      "outside every transient block")
                    .arg(x)
                    .arg(y);
        }
    }

    // 5. Reports and batches.
    if (m_batches < 0)
        return QStringLiteral("%1 change batches are alive").arg(m_batches);
    if (m_batches == 0 && (m_changedBlocks.any() || m_transientDrawn))
        return QStringLiteral("changes wait to be reported outside every change batch");
    return QString();
}

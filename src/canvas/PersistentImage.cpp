// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/PersistentImage.h"

#include <algorithm>
#include <cstring>

#include <QPainter>

#include "canvas/FloodFill.h"

PersistentImage::PersistentImage(QSize size, QRgb colour)
{
    becomePlain(size, colour);
}

const QImage& PersistentImage::whole() const
{
    if (m_image.isNull())
        m_image = m_tiles.toImage();
    return m_image;
}

Picture PersistentImage::handOut() const
{
    if (m_tiles.isNull())
        replaceTiles(Picture::fromImage(m_image));
    else if (m_stale.any())
        replaceTiles(m_tiles.frozen().withTilesFrom(m_image, m_stale));
    m_stale.clear();
    return m_tiles.frozen();
}

QImage& PersistentImage::wholeForDrawing()
{
    whole();
    return m_image;
}

QImage PersistentImage::tileArea(const QRect& area, const std::vector<QRect>& ink) const
{
    return m_tiles.copyArea(area, ink);
}

void PersistentImage::takeTileArea(const QImage& part, const QRect& area, const std::vector<QRect>& ink)
{
    // A reader's copy of the full image would be out of date.
    m_image = QImage();
    m_tiles.takeArea(part, area, ink);
}

QRect PersistentImage::fillTiles(QPoint seed, QRgb colour)
{
    m_image = QImage();
    return floodFillTiles(m_tiles, seed, colour);
}

void PersistentImage::becomePlain(QSize size, QRgb colour)
{
    m_size = size;
    m_image = QImage();
    replaceTiles(Picture::filled(m_size, colour));
    m_stale = TileMask(m_size);
}

void PersistentImage::takePicture(const Picture& picture)
{
    m_image = QImage();
    replaceTiles(picture);
    m_stale.clear();
}

// Undo and page switches land here with a picture that shares most of its
// tiles with what is held: only the others are written.
std::vector<QRect> PersistentImage::rewriteTo(const Picture& picture)
{
    const std::vector<QRect> rewritten = picture.writeChanges(m_image, m_tiles, m_stale);
    replaceTiles(picture);
    m_stale.clear();
    return rewritten;
}

void PersistentImage::layOver(const Picture& picture, QRgb colour)
{
    if (!picture.hasAlpha()) {
        replaceTiles(picture.laidOver(m_size, colour));
    } else {
        // Only the tiles the picture covers are painted; the others share
        // one tile of the colour.
        const Picture plain = Picture::filled(m_size, colour);
        const QRect area = plain.tileArea(QRect(QPoint(0, 0), picture.size()));
        QImage part(area.size(), QImage::Format_RGB32);
        part.fill(colour);
        {
            QPainter p(&part);
            p.drawImage(0, 0, picture.copyArea(picture.tileArea(area)));
        }
        replaceTiles(plain.withAreaFrom(part, area, {area}));
    }
    m_image = QImage();
    m_stale = TileMask(m_size);
}

void PersistentImage::resize(QSize size, QRgb colour, const Picture& picture)
{
    const QImage old = whole();
    m_size = size;
    m_image = QImage(m_size, QImage::Format_RGB32);
    m_image.fill(colour);
    {
        QPainter p(&m_image);
        if (!picture.isNull())
            p.drawImage(0, 0, picture.toImage());
        p.drawImage(0, 0, old);
    }
    replaceTiles(Picture());
    m_stale = TileMask(m_size);
}

void PersistentImage::settle()
{
    if (m_image.isNull())
        return;
    handOut();
    m_image = QImage();
}

void PersistentImage::replaceTiles(Picture tiles) const
{
    m_tiles.reset(std::move(tiles));
}

namespace {

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

QString PersistentImage::checkInvariants(int rowStep, int firstRow) const
{
    // 1. Where the pixels are held, and the sizes of everything.
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
    if (m_stale.pictureSize() != m_size)
        return QStringLiteral("the stale marks do not cover the surface's size %1").arg(sizeText(m_size));

    // 2. The tiles handed out against the full image.
    if (m_image.isNull() && m_stale.any())
        return QStringLiteral("tiles are marked stale with no full image drawn on");
    if (m_image.isNull() || m_tiles.isNull())
        return QString();
    const int size = Picture::kTileSize;
    for (int i = 0; i < m_tiles.tileCount(); ++i) {
        if (m_stale.isMarked(i))
            continue;
        const QRect r = QRect(i % m_tiles.columns() * size, i / m_tiles.columns() * size, size, size)
                            .intersected(m_image.rect());
        const Picture::Tile& tile = *m_tiles.tile(i);
        for (int y = 0; y < r.height(); ++y) {
            if ((r.top() + y - firstRow) % rowStep != 0)
                continue;
            const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(r.top() + y)) + r.left();
            if (std::memcmp(row, tile.pixels.data() + y * size, size_t(r.width()) * sizeof(QRgb)) != 0)
                return QStringLiteral("tile %1 is not marked stale but differs from the full image in row %2")
                    .arg(i)
                    .arg(r.top() + y);
        }
    }
    return QString();
}

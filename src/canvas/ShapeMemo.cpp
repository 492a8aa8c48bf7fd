// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/ShapeMemo.h"

EllipseRing& ShapeMemo::ring(double rx, double ry, int penWidth)
{
    if (!m_ring || !m_ring->hasShape(rx, ry, penWidth))
        m_ring.emplace(rx, ry, penWidth);
    return *m_ring;
}

const InkStamp* ShapeMemo::find(const InkStamp::Segments& shape, int width) const
{
    for (const InkStamp& stamp : m_stamps)
        if (stamp.isOf(shape, width))
            return &stamp;
    return nullptr;
}

// The crosshair takes one or two shapes, as its arms round to whole pixels;
// a few more cover a figure's mirror images.
const InkStamp& ShapeMemo::keep(InkStamp made)
{
    if (m_stamps.size() < kStamps) {
        m_stamps.push_back(std::move(made));
        return m_stamps.back();
    }
    m_nextStamp = (m_nextStamp + 1) % kStamps;
    m_stamps[m_nextStamp] = std::move(made);
    return m_stamps[m_nextStamp];
}

const BoxOutlineStamp& ShapeMemo::boxOutline(int width,
                                             const std::function<void(QPainter&, QPoint, QPoint)>& paint)
{
    if (!m_outline || m_outline->width() != width)
        m_outline.emplace(width, paint);
    return *m_outline;
}

QString ShapeMemo::checkInvariants() const
{
    if (m_stamps.size() > kStamps || m_nextStamp >= kStamps)
        return QStringLiteral("%1 stamps of segments are kept, the next to replace is %2")
            .arg(m_stamps.size())
            .arg(m_nextStamp);
    for (size_t i = 0; i < m_stamps.size(); ++i)
        for (size_t j = i + 1; j < m_stamps.size(); ++j)
            if (m_stamps[j].isOf(m_stamps[i].segments(), m_stamps[i].width()))
                return QStringLiteral("stamps %1 and %2 are of the same figure").arg(i).arg(j);
    return QString();
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "canvas/EllipseRing.h"
#include "canvas/InkStamp.h"

// The shapes a surface drew last, kept to be laid down again: the rows of
// the last ring, the covered pixels of the last few figures of segments and
// the outline of boxes in the last pen width. A pointer move draws the same
// crosshair, and a figure its mirror images, over and over. The memo holds
// shapes only, never pixels of the surface.
//
// Its invariant, tested by checkInvariants(): at most kStamps stamps of
// segments, no two of the same figure, and the next to be replaced among them.
class ShapeMemo
{
  public:
    static constexpr size_t kStamps = 4;

    // The ring of these semi-axes and pen width, kept for the next ring.
    EllipseRing& ring(double rx, double ry, int penWidth);
    // The stamp of a figure of segments in a pen width; a figure not kept
    // is drawn by `paint` (see InkStamp) and replaces the oldest one kept.
    template <typename Paint>
    const InkStamp& segments(const InkStamp::Segments& shape, int width, const Paint& paint)
    {
        if (const InkStamp* kept = find(shape, width))
            return *kept;
        return keep(InkStamp(shape, width, paint));
    }
    // The outline stamp of boxes in a pen width, drawn by `paint` (see
    // BoxOutlineStamp) when the last one kept has another width.
    const BoxOutlineStamp& boxOutline(int width, const std::function<void(QPainter&, QPoint, QPoint)>& paint);

    QString checkInvariants() const;

  private:
    const InkStamp* find(const InkStamp::Segments& shape, int width) const;
    const InkStamp& keep(InkStamp made);

    std::optional<EllipseRing> m_ring;
    std::vector<InkStamp> m_stamps;
    size_t m_nextStamp = 0;
    std::optional<BoxOutlineStamp> m_outline;
};

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/EllipseRing.h"

#include <algorithm>
#include <cmath>

namespace {

// Half the width, at a row dy from the centre, of an ellipse with semi-axes
// a and b; negative where the row misses it.
double halfWidth(double a, double b, double dy)
{
    if (a <= 0 || b <= 0 || std::abs(dy) >= b)
        return -1;
    const double t = dy / b;
    return a * std::sqrt(1 - t * t);
}

// Writes the runs of one row, clipped, from how far right of the centre's
// corner the ring reaches on it and where its hole ends, and returns where
// the next run goes. Runs go straight into room made beforehand: this runs
// for every row of every ring.
RingSpan* addRow(RingSpan* out, int y, int centreX, int right, int holeRight, const QRect& clip)
{
    if (right < 0)
        return out;
    const int outerLeft = std::max(centreX - 1 - right, clip.left());
    const int outerRight = std::min(centreX + right, clip.right());
    if (holeRight < 0) {
        if (outerLeft <= outerRight)
            *out++ = {y, outerLeft, outerRight};
        return out;
    }
    const int holeLeftEdge = std::min(centreX - 2 - holeRight, clip.right());
    const int holeRightEdge = std::max(centreX + holeRight + 1, clip.left());
    if (outerLeft <= holeLeftEdge)
        *out++ = {y, outerLeft, holeLeftEdge};
    if (holeRightEdge <= outerRight)
        *out++ = {y, holeRightEdge, outerRight};
    return out;
}

} // namespace

std::vector<RingSpan> ellipseRing(QPoint centre, double rx, double ry, int penWidth, const QRect& clip)
{
    return EllipseRing(rx, ry, penWidth).spans(centre, clip);
}

EllipseRing::EllipseRing(double rx, double ry, int penWidth) : m_rx(rx), m_ry(ry), m_penWidth(penWidth)
{
    const double half = penWidth <= 1 ? 0.5 : penWidth / 2.0;
    m_outerX = rx + half;
    m_outerY = ry + half;
    m_innerX = rx - half;
    m_innerY = ry - half;
    m_lastRow = int(std::ceil(m_outerY)) + 1;
}

bool EllipseRing::hasShape(double rx, double ry, int penWidth) const
{
    return rx == m_rx && ry == m_ry && penWidth == m_penWidth;
}

// Rows k below and k above the centre's corner both have their pixel centres
// k + 0.5 from it.
EllipseRing::RowReach EllipseRing::rowReach(int k) const
{
    const double dy = k + 0.5;
    const double outer = halfWidth(m_outerX, m_outerY, dy);
    if (outer < 0)
        return {-1, -1};
    // Pixel c is inked where its centre c + 0.5 lies within the outer edge
    // and not strictly within the inner one.
    const int right = int(std::floor(outer - 0.5));
    const double inner = halfWidth(m_innerX, m_innerY, dy);
    const int holeRight = inner > 0 ? int(std::ceil(inner - 0.5)) - 1 : -1;
    return {right, holeRight};
}

// Makes sure rows kFrom to kTo are known. Rows known already are kept only
// when they hold all of these, so that what is kept is never more than one
// clip's worth.
void EllipseRing::workOut(int kFrom, int kTo)
{
    if (kFrom >= m_firstKnown && kTo < m_firstKnown + int(m_rows.size()))
        return;
    m_firstKnown = kFrom;
    m_rows.clear();
    m_rows.reserve(size_t(kTo - kFrom + 1));
    for (int k = kFrom; k <= kTo; ++k)
        m_rows.push_back(rowReach(k));
}

std::vector<RingSpan> EllipseRing::spans(QPoint centre, const QRect& clip)
{
    const int cy = centre.y();
    const int belowFrom = std::max(0, clip.top() - cy), belowTo = std::min(m_lastRow, clip.bottom() - cy);
    const int aboveFrom = std::max(0, cy - 1 - clip.bottom());
    const int aboveTo = std::min(m_lastRow, cy - 1 - clip.top());
    const bool below = belowFrom <= belowTo, above = aboveFrom <= aboveTo;
    std::vector<RingSpan> spans;
    if (!below && !above)
        return spans;
    workOut(std::min(below ? belowFrom : aboveFrom, above ? aboveFrom : belowFrom),
            std::max(below ? belowTo : aboveTo, above ? aboveTo : belowTo));
    // At most two runs a row.
    spans.resize(size_t(2 * (std::max(0, belowTo - belowFrom + 1) + std::max(0, aboveTo - aboveFrom + 1))));
    RingSpan* out = spans.data();
    for (int k = aboveTo; k >= aboveFrom; --k) {
        const RowReach& r = m_rows[size_t(k - m_firstKnown)];
        out = addRow(out, cy - 1 - k, centre.x(), r.right, r.holeRight, clip);
    }
    for (int k = belowFrom; k <= belowTo; ++k) {
        const RowReach& r = m_rows[size_t(k - m_firstKnown)];
        out = addRow(out, cy + k, centre.x(), r.right, r.holeRight, clip);
    }
    spans.resize(size_t(out - spans.data()));
    return spans;
}

std::vector<QRect> ringInk(const std::vector<RingSpan>& ring, int centreX, int bandRows)
{
    // One box on each side of the centre, as its left, top, right and bottom.
    struct Box
    {
        int left, top, right, bottom;
        bool open = false;
    };
    std::vector<QRect> ink;
    Box sides[2];
    auto close = [&](Box& box) {
        if (box.open)
            ink.emplace_back(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
        box.open = false;
    };
    auto bandOf = [&](int y) { return y >= 0 ? y / bandRows : -((-y - 1) / bandRows) - 1; };
    // The runs come row by row, so a band ends at the first run below it.
    int bandBottom = ring.empty() ? 0 : (bandOf(ring.front().y) + 1) * bandRows - 1;
    for (const RingSpan& r : ring) {
        if (r.y > bandBottom) {
            close(sides[0]);
            close(sides[1]);
            bandBottom = (bandOf(r.y) + 1) * bandRows - 1;
        }
        Box& box = sides[r.left + r.right < 2 * centreX ? 0 : 1];
        if (!box.open) {
            box = {r.left, r.y, r.right, r.y, true};
            continue;
        }
        box.left = std::min(box.left, r.left);
        box.right = std::max(box.right, r.right);
        box.top = std::min(box.top, r.y);
        box.bottom = std::max(box.bottom, r.y);
    }
    close(sides[0]);
    close(sides[1]);
    return ink;
}

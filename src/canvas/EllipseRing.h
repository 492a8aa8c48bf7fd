// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QPoint>
#include <QRect>

// The pixels of an ellipse's outline drawn with a pen, as runs along rows:
// every pixel whose centre lies inside the ellipse grown by half the pen and
// outside the ellipse shrunk by half the pen. The centre is a pixel corner,
// as a figure's centre is, so the ring is symmetric about it. Only rows and
// columns inside `clip` are produced, so a huge ellipse costs no more than
// the area it can show. The runs come sorted by row, and from left to right
// within a row.
struct RingSpan
{
    int y;
    int left;
    int right;
};

std::vector<RingSpan> ellipseRing(QPoint centre, double rx, double ry, int penWidth, const QRect& clip);

// One ring's shape, kept to be laid at several centres: the mirror images of
// a figure, and the same figure on the canvas and on its page, work its rows
// out once. The runs at a centre are those of ellipseRing().
class EllipseRing
{
  public:
    EllipseRing(double rx, double ry, int penWidth);

    bool hasShape(double rx, double ry, int penWidth) const;
    std::vector<RingSpan> spans(QPoint centre, const QRect& clip);

  private:
    // The ring's pixels on the rows k below and k above the centre's
    // corner, as columns right of it (0 is the first): none when right < 0,
    // no hole when holeRight < 0. The left half is the mirror image, column
    // c matching column -1 - c.
    struct RowReach
    {
        int right;
        int holeRight;
    };
    RowReach rowReach(int k) const;
    void workOut(int kFrom, int kTo);

    double m_rx, m_ry;
    int m_penWidth;
    double m_outerX, m_outerY, m_innerX, m_innerY;
    // Rows k beyond this miss the ring.
    int m_lastRow;
    // The rows worked out so far: k from m_firstKnown on.
    int m_firstKnown = 0;
    std::vector<RowReach> m_rows;
};

// Rectangles that hold a ring's runs: one for the runs of each band of
// `bandRows` rows (bands start at multiples of it) on each side of the
// centre column, so that a ring of a thousand rows takes a few hundred
// rectangles that hug it. `centreX` is the column of the centre's corner.
std::vector<QRect> ringInk(const std::vector<RingSpan>& ring, int centreX, int bandRows);

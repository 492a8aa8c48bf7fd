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

// Rectangles that hold a ring's runs: one for the runs of each band of
// `bandRows` rows (bands start at multiples of it) on each side of the
// centre column, so that a ring of a thousand rows takes a few hundred
// rectangles that hug it. `centreX` is the column of the centre's corner.
std::vector<QRect> ringInk(const std::vector<RingSpan>& ring, int centreX, int bandRows);

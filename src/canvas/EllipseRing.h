#pragma once

#include <vector>

#include <QPoint>
#include <QRect>

// The pixels of an ellipse's outline drawn with a pen, as runs along rows:
// every pixel whose centre lies inside the ellipse grown by half the pen and
// outside the ellipse shrunk by half the pen. The centre is a pixel corner,
// as a figure's centre is, so the ring is symmetric about it. Only rows and
// columns inside `clip` are produced, so a huge ellipse costs no more than
// the area it can show.
struct RingSpan
{
    int y;
    int left;
    int right;
};

std::vector<RingSpan> ellipseRing(QPoint centre, double rx, double ry, int penWidth, const QRect& clip);

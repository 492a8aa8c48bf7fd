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

} // namespace

std::vector<RingSpan> ellipseRing(QPoint centre, double rx, double ry, int penWidth, const QRect& clip)
{
    const double half = penWidth <= 1 ? 0.5 : penWidth / 2.0;
    const double outerX = rx + half, outerY = ry + half;
    const double innerX = rx - half, innerY = ry - half;
    const double cx = centre.x() - 0.5; // pixel px is inked by where px + 0.5 falls
    std::vector<RingSpan> spans;
    const int top = std::max(clip.top(), int(std::floor(centre.y() - outerY)) - 1);
    const int bottom = std::min(clip.bottom(), int(std::ceil(centre.y() + outerY)) + 1);
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - centre.y();
        const double outer = halfWidth(outerX, outerY, dy);
        if (outer < 0)
            continue;
        const int left = int(std::ceil(cx - outer)), right = int(std::floor(cx + outer));
        if (left > right)
            continue;
        const double inner = halfWidth(innerX, innerY, dy);
        int holeLeft = right + 1, holeRight = right;
        if (inner > 0) {
            holeLeft = int(std::floor(cx - inner)) + 1;
            holeRight = int(std::ceil(cx + inner)) - 1;
        }
        auto add = [&](int from, int to) {
            from = std::max(from, clip.left());
            to = std::min(to, clip.right());
            if (from <= to)
                spans.push_back({y, from, to});
        };
        if (holeLeft > holeRight) {
            add(left, right);
        } else {
            add(left, holeLeft - 1);
            add(holeRight + 1, right);
        }
    }
    return spans;
}

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

// The ring's pixels on one row, as columns to the right of the centre's
// corner: 0 is the first column right of it. The row misses the ring when
// right < 0; it has no hole when holeRight < 0. The left half is the mirror
// image, column c matching column -1 - c.
struct RowReach
{
    int right;
    int holeRight;
};

// The reach of the ring on the rows k and -1 - k from the centre, whose
// pixel centres both lie k + 0.5 from it.
RowReach rowReach(double outerX, double outerY, double innerX, double innerY, int k)
{
    const double dy = k + 0.5;
    const double outer = halfWidth(outerX, outerY, dy);
    if (outer < 0)
        return {-1, -1};
    // Pixel c is inked where its centre c + 0.5 lies within the outer edge
    // and not strictly within the inner one.
    const int right = int(std::floor(outer - 0.5));
    const double inner = halfWidth(innerX, innerY, dy);
    const int holeRight = inner > 0 ? int(std::ceil(inner - 0.5)) - 1 : -1;
    return {right, holeRight};
}

// Adds the runs of one row, clipped, from the reach of the ring on it.
void addRow(std::vector<RingSpan>& spans, int y, int centreX, RowReach reach, const QRect& clip)
{
    if (reach.right < 0)
        return;
    auto add = [&](int from, int to) {
        from = std::max(from, clip.left());
        to = std::min(to, clip.right());
        if (from <= to)
            spans.push_back({y, from, to});
    };
    if (reach.holeRight < 0) {
        add(centreX - 1 - reach.right, centreX + reach.right);
    } else {
        add(centreX - 1 - reach.right, centreX - 2 - reach.holeRight);
        add(centreX + reach.holeRight + 1, centreX + reach.right);
    }
}

} // namespace

std::vector<RingSpan> ellipseRing(QPoint centre, double rx, double ry, int penWidth, const QRect& clip)
{
    const double half = penWidth <= 1 ? 0.5 : penWidth / 2.0;
    const double outerX = rx + half, outerY = ry + half;
    const double innerX = rx - half, innerY = ry - half;
    // Row centre.y + k lies below the centre and row centre.y - 1 - k above
    // it, both k + 0.5 away: the rows that can touch the ring have k up to
    // `reach`, and each k is worked out once for the two rows.
    const int reach = int(std::ceil(outerY)) + 1;
    const int cy = centre.y();
    const int belowFrom = std::max(0, clip.top() - cy), belowTo = std::min(reach, clip.bottom() - cy);
    const int aboveFrom = std::max(0, cy - 1 - clip.bottom()), aboveTo = std::min(reach, cy - 1 - clip.top());
    int kFrom = belowFrom <= belowTo ? belowFrom : aboveFrom;
    int kTo = belowFrom <= belowTo ? belowTo : aboveTo;
    if (aboveFrom <= aboveTo && belowFrom <= belowTo) {
        kFrom = std::min(kFrom, aboveFrom);
        kTo = std::max(kTo, aboveTo);
    }
    std::vector<RingSpan> spans;
    if (kFrom > kTo)
        return spans;
    std::vector<RowReach> reaches(size_t(kTo - kFrom + 1));
    for (int k = kFrom; k <= kTo; ++k)
        reaches[size_t(k - kFrom)] = rowReach(outerX, outerY, innerX, innerY, k);
    for (int k = aboveTo; k >= aboveFrom; --k)
        addRow(spans, cy - 1 - k, centre.x(), reaches[size_t(k - kFrom)], clip);
    for (int k = belowFrom; k <= belowTo; ++k)
        addRow(spans, cy + k, centre.x(), reaches[size_t(k - kFrom)], clip);
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
    int band = ring.empty() ? 0 : bandOf(ring.front().y);
    for (const RingSpan& r : ring) {
        if (bandOf(r.y) != band) {
            close(sides[0]);
            close(sides[1]);
            band = bandOf(r.y);
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

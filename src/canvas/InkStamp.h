#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// The pixels a figure of segments covers, drawn once and laid down again
// wherever the same figure goes. The crosshair follows the pointer with the
// same two strokes at every move; stroking them anew each time costs far
// more than writing the few runs of pixels they cover. Aliased drawing at
// whole-pixel ends covers the same pixels wherever the figure lies, so the
// runs are kept relative to the first segment's start.
class InkStamp
{
  public:
    using Segments = std::vector<std::pair<QPoint, QPoint>>;

    // Draws `segments` (relative to the stamp's origin) with `paint`, which
    // draws them in the pen of the given width, and keeps what it covers.
    InkStamp(const Segments& segments, int width, const std::function<void(QPainter&)>& paint);

    bool isOf(const Segments& segments, int width) const { return width == m_width && segments == m_segments; }
    // Writes `colour` on the covered pixels, with the stamp's origin at `at`
    // of `target`, inside `clip` (in the target's pixels).
    void lay(QImage& target, QPoint at, const QRect& clip, QRgb colour) const;

  private:
    Segments m_segments;
    int m_width;
    // One pixel high runs, relative to the origin.
    std::vector<QRect> m_runs;
};

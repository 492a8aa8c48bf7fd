// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

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
// same two strokes at every move; stroking them anew each time with
// QPainter::drawLine, the plain path, makes a line's pointer move cost 12 %
// more at 1080p and 9 % more at 4K (the bench's move figures, measured with
// and without in one run). Aliased drawing at
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
    const Segments& segments() const { return m_segments; }
    int width() const { return m_width; }
    // Writes `colour` on the covered pixels, with the stamp's origin at `at`
    // of `target`, inside `clip` (in the target's pixels).
    void lay(QImage& target, QPoint at, const QRect& clip, QRgb colour) const;

  private:
    Segments m_segments;
    int m_width;
    // One pixel high runs, relative to the origin.
    std::vector<QRect> m_runs;
};

// The outline of a box in a pen of one width, drawn once on a small box and
// stretched to any box big enough that its corners lie apart. Along an
// axis-aligned edge an aliased stroke covers the same pixels in every row
// or column, so a big box's outline is the small one's corners with its
// edges drawn out: the rubber band of a rectangle changes size at every move
// and would otherwise be stroked anew each time by QPainter::drawRect, the
// plain path. Without both stamps a rectangle's pointer move costs 11 %
// more at 4K and 23 % more at 1080p (the bench's move figures).
class BoxOutlineStamp
{
  public:
    // `paint` draws the outline of the box with the given top left and
    // bottom right pixels.
    BoxOutlineStamp(int width, const std::function<void(QPainter&, QPoint, QPoint)>& paint);

    int width() const { return m_width; }
    // Whether a box of this many pixels across and down is big enough.
    bool fits(QSize box) const { return box.width() >= m_side && box.height() >= m_side; }
    // Writes `colour` on the outline of `box` (in the target's pixels) inside `clip`.
    void lay(QImage& target, const QRect& box, const QRect& clip, QRgb colour) const;

  private:
    std::pair<int, int> stretched(int at, int first, int last) const;

    int m_width;
    // The small box's side; its middle row and column stand for every row
    // and column between the corners of a bigger one.
    int m_side;
    int m_top; // the first row covered, relative to the small box's top
    // For each covered row, its runs of pixels [first, last] relative to the
    // small box's left.
    std::vector<std::vector<std::pair<int, int>>> m_rows;
};

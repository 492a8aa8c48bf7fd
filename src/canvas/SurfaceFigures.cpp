// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <numbers>

#include <QFontMetrics>
#include <QPainter>

#include "canvas/EllipseRing.h"
#include "canvas/InkAreas.h"
#include "canvas/InkStamp.h"
#include "canvas/PixelMath.h"
#include "canvas/Surface.h"

// The drawing operations: figures are painted with QPainter, aliased, and
// clipped to their bounds; the bookkeeping of draw() keeps the screen layer,
// the tiles and the widget up to date with what each one changed.

using namespace PixelMath;

namespace {

QPen boxPen(const QColor& colour, int width)
{
    return QPen(colour, width <= 1 ? 0 : width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

QPen roundPen(const QColor& colour, int width)
{
    return QPen(colour, width <= 1 ? 0 : width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A segment between two pixels in the painter's pen; a point when they are one.
void drawSegment(QPainter& p, QPoint a, QPoint b)
{
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
}

// A box from its top left to its bottom right pixel, in the painter's pen and brush.
void drawBox(QPainter& p, const QRect& box)
{
    if (box.width() == 1 && box.height() == 1)
        p.drawPoint(box.topLeft());
    else
        p.drawRect(QRectF(box.topLeft(), box.bottomRight()));
}

} // namespace

void Surface::setUpPainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

// Painting is clipped to the bounds: the tiles marked and the areas Refresh
// restores are exactly the ones a drawing can have changed.

template <typename Paint> void Surface::draw(QRect bounds, Paint paint, std::vector<QRect> ink)
{
    drawInto(
        bounds,
        [&](QImage& target, QPoint origin, const QRect& clip) {
            QPainter p(&target);
            setUpPainter(p);
            p.translate(-origin);
            p.setClipRect(clip);
            paint(p);
        },
        std::move(ink));
}

// Runs `write` on each image that shows the persistent or the transient
// drawing, with the offset of the image's top left on the surface and the
// area it may write to, and keeps the screen layer, the tiles and the widget
// up to date with the ink areas.
template <typename Write> void Surface::drawInto(QRect bounds, Write write, std::vector<QRect> ink)
{
    bounds = bounds.intersected(rect());
    if (bounds.isEmpty())
        return;
    if (ink.empty())
        ink.push_back(bounds);
    if (!m_shown) {
        // A hidden surface paints only the tiles under the figure.
        if (!m_autoRedraw)
            return;
        // Only the tiles under the ink are copied in and taken back.
        for (QRect& r : ink)
            r = r.intersected(bounds);
        const QRect area = m_tiles.tileArea(bounds);
        QImage part = m_tiles.copyArea(area, ink);
        write(part, area.topLeft(), bounds);
        m_image = QImage();
        m_tiles.takeArea(part, area, ink);
        return;
    }
    if (m_autoRedraw) {
        persistentImage();
        write(m_image, QPoint(0, 0), bounds);
        for (const QRect& r : ink)
            m_stale.mark(r.intersected(bounds));
        if (!m_screen.isNull())
            write(m_screen, QPoint(0, 0), bounds);
    } else {
        if (m_screen.isNull())
            m_screen = hugeCopy(persistentImage());
        write(m_screen, QPoint(0, 0), bounds);
        for (const QRect& r : ink)
            m_transient.mark(r.intersected(bounds));
        // In a batch the transient blocks are reported once, at its end.
        if (m_batches > 0) {
            m_transientDrawn = true;
            return;
        }
    }
    if (ink.size() == 1) {
        changed(ink.front().intersected(bounds));
        return;
    }
    for (QRect& r : ink)
        r = r.intersected(bounds);
    changed(ink);
}

// The same bookkeeping as draw(), for callers that write pixels themselves.
template <typename Write> void Surface::drawDirect(QRect bounds, Write write)
{
    bounds = bounds.intersected(rect());
    if (bounds.isEmpty())
        return;
    if (m_autoRedraw) {
        persistentImage();
        write(m_image);
        m_stale.mark(bounds);
        if (!m_screen.isNull())
            write(m_screen);
    } else {
        if (!m_shown)
            return;
        if (m_screen.isNull())
            m_screen = hugeCopy(persistentImage());
        write(m_screen);
        m_transient.mark(bounds);
    }
    changed(bounds);
    settle();
}

void Surface::line(QPointF from, QPointF to)
{
    drawLine(from, to, m_foreColor, Shape::Segment);
}

void Surface::lines(const std::vector<std::pair<QPointF, QPointF>>& segments)
{
    if (segments.empty())
        return;
    const int w = m_drawWidth;
    QRect bounds;
    std::vector<QRect> ink;
    InkStamp::Segments shape;
    const QPoint origin = toPixel(segments.front().first);
    for (const auto& [from, to] : segments) {
        const QPoint a = toPixel(from);
        const QPoint b = toPixel(to);
        bounds |= spanned(a, b).adjusted(-w - 1, -w - 1, w + 1, w + 1);
        const std::vector<QRect> part = segmentInk(a, b, w);
        ink.insert(ink.end(), part.begin(), part.end());
        shape.emplace_back(a - origin, b - origin);
    }
    const InkStamp& stamp = stampFor(shape, w);
    const QRgb colour = toQColor(m_foreColor).rgb();
    drawInto(
        bounds,
        [&](QImage& target, QPoint imageOrigin, const QRect& clip) {
            stamp.lay(target, origin - imageOrigin, clip.translated(-imageOrigin), colour);
        },
        std::move(ink));
}

// The stamps of the last few figures of segments: the crosshair takes one or
// two shapes, as its arms round to whole pixels.
const InkStamp& Surface::stampFor(const InkStamp::Segments& shape, int width)
{
    for (const InkStamp& stamp : m_stamps)
        if (stamp.isOf(shape, width))
            return stamp;
    InkStamp made(shape, width, [&](QPainter& p) {
        p.setPen(roundPen(Qt::black, width));
        for (const auto& [a, b] : shape)
            drawSegment(p, a, b);
    });
    constexpr size_t kStamps = 4;
    if (m_stamps.size() < kStamps) {
        m_stamps.push_back(std::move(made));
        return m_stamps.back();
    }
    m_nextStamp = (m_nextStamp + 1) % kStamps;
    m_stamps[m_nextStamp] = std::move(made);
    return m_stamps[m_nextStamp];
}

void Surface::drawLine(QPointF from, QPointF to, Colour colour, Shape shape)
{
    const QPoint a = toPixel(from);
    const QPoint b = toPixel(to);
    const int w = m_drawWidth;
    const QRect bounds = spanned(a, b).adjusted(-w - 1, -w - 1, w + 1, w + 1);
    const QColor c = toQColor(colour);
    const bool outline = shape == Shape::Box && fillStyleBrush(m_fillStyle) == Qt::NoBrush;
    std::vector<QRect> ink;
    if (shape == Shape::Segment)
        ink = segmentInk(a, b, w);
    else if (outline)
        ink = boxOutlineInk(spanned(a, b), w);
    if (outline) {
        const BoxOutlineStamp& stamp = outlineStamp(w);
        const QRect box = spanned(a, b);
        if (stamp.fits(box.size())) {
            const QRgb rgb = c.rgb();
            drawInto(
                bounds,
                [&](QImage& target, QPoint imageOrigin, const QRect& clip) {
                    stamp.lay(target, box.translated(-imageOrigin), clip.translated(-imageOrigin), rgb);
                },
                std::move(ink));
            return;
        }
    }

    draw(
        bounds,
        [&](QPainter& p) {
            if (shape == Shape::Segment) {
                p.setPen(roundPen(c, w));
                drawSegment(p, a, b);
                return;
            }
            p.setPen(boxPen(c, w));
            if (shape == Shape::FilledBox)
                p.setBrush(c);
            else if (outline)
                p.setBrush(Qt::NoBrush);
            else
                p.setBrush(QBrush(toQColor(m_fillColor), fillStyleBrush(m_fillStyle)));
            drawBox(p, spanned(a, b));
        },
        std::move(ink));
}

const BoxOutlineStamp& Surface::outlineStamp(int width)
{
    if (!m_outlineStamp || m_outlineStamp->width() != width)
        m_outlineStamp.emplace(width, [&](QPainter& p, QPoint topLeft, QPoint bottomRight) {
            p.setPen(boxPen(Qt::black, width));
            drawBox(p, QRect(topLeft, bottomRight));
        });
    return *m_outlineStamp;
}

void Surface::circle(QPointF centre, double radius, Colour colour, std::optional<double> start,
                     std::optional<double> end, std::optional<double> aspect)
{
    const QPoint c = toPixel(centre);
    // A radius is held within the same distance as coordinates, so that no
    // pixel arithmetic overflows; NaN draws a point.
    double rx = std::abs(toPixels(radius));
    rx = std::isnan(rx) ? 0 : std::min(rx, kFar);
    double ry = rx;
    if (aspect) {
        const double k = std::abs(*aspect);
        if (k < 1)
            ry = rx * k;
        else if (k > 0)
            rx = ry / k;
    }
    const int w = m_drawWidth;
    const int reach = int(std::ceil(std::max(rx, ry))) + w + 2;
    const QRect bounds(c.x() - reach, c.y() - reach, 2 * reach + 1, 2 * reach + 1);
    const QColor penColour = toQColor(colour);
    const QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    // Arcs run counter-clockwise from the start angle to the end angle; Qt
    // measures them the same way, in sixteenths of a degree.
    const bool arc = start || end;
    const double twoPi = 2 * std::numbers::pi;
    const double a0 = arc ? std::fmod(std::abs(start.value_or(0)), twoPi) : 0;
    double span = twoPi;
    if (arc) {
        span = std::fmod(std::abs(end.value_or(twoPi)), twoPi) - a0;
        if (span <= 0)
            span += twoPi;
    }
    const Qt::BrushStyle style = fillStyleBrush(m_fillStyle);
    if (arc) {
        draw(
            bounds,
            [&](QPainter& p) {
                p.setPen(roundPen(penColour, w));
                p.setBrush(Qt::NoBrush);
                p.drawArc(box, roundHalfUp(a0 * 180 / std::numbers::pi * 16),
                          roundHalfUp(span * 180 / std::numbers::pi * 16));
            },
            ellipseOutlineInk(c, rx, ry, w, a0, span));
        return;
    }
    if (rx < 0.5 && ry < 0.5) {
        draw(bounds, [&](QPainter& p) {
            p.setPen(roundPen(penColour, w));
            p.drawPoint(c);
        });
        return;
    }
    // The interior in FillStyle first, then the outline over it as runs of
    // pixels: a ring costs a row's two runs, and its ink is known exactly.
    if (style != Qt::NoBrush)
        draw(bounds, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(toQColor(m_fillColor), style));
            p.drawEllipse(box);
        });
    if (!m_ring || !m_ring->hasShape(rx, ry, w))
        m_ring.emplace(rx, ry, w);
    const std::vector<RingSpan> ring = m_ring->spans(c, bounds.intersected(rect()));
    if (ring.empty())
        return;
    // The runs of each row of blocks, on each side of the centre, make one
    // ink rectangle: few to mark, and hardly more than the ring itself.
    std::vector<QRect> ink = ringInk(ring, c.x(), BlockMask::kBlock);
    const QRgb ringColour = penColour.rgb();
    drawInto(
        bounds,
        [&](QImage& target, QPoint origin, const QRect&) {
            const qsizetype stride = target.bytesPerLine();
            uchar* const bits = target.bits();
            for (const RingSpan& r : ring) {
                auto* line = reinterpret_cast<QRgb*>(bits + (r.y - origin.y()) * stride);
                std::fill(line + r.left - origin.x(), line + r.right - origin.x() + 1, ringColour);
            }
        },
        std::move(ink));
}

void Surface::plot(QPointF p)
{
    plot(p, m_foreColor);
}

void Surface::plot(QPointF at, Colour colour)
{
    const QPoint a = toPixel(at);
    const int w = m_drawWidth;
    draw(QRect(a, a).adjusted(-w, -w, w, w), [&](QPainter& p) {
        p.setPen(QPen(toQColor(colour), w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(a);
    });
}

void Surface::plotGrid(double step, double right, double bottom)
{
    if (!(step > 0))
        return;
    // The pixel columns and rows the points fall on, up to the surface's edge.
    auto pixelsAlong = [&](double end, int limit, auto toPixelCoordinate) {
        std::vector<int> along;
        for (double v = 0; v <= end; v += step) {
            const int p = toPixelCoordinate(v);
            if (p >= limit)
                break;
            if (p >= 0)
                along.push_back(p);
        }
        return along;
    };
    const std::vector<int> xs = pixelsAlong(right, m_size.width(), [&](double x) {
        return toPixel({x, 0}).x();
    });
    const std::vector<int> ys = pixelsAlong(bottom, m_size.height(), [&](double y) {
        return toPixel({0, y}).y();
    });
    if (xs.empty() || ys.empty())
        return;
    if (m_drawWidth > 1) {
        for (int x : xs)
            for (int y : ys)
                plot(QPointF(x, y) * (m_scaleMode == ScaleMode::Pixels ? 1.0 : m_twipsPerPixel));
        return;
    }
    const QRect bounds(QPoint(xs.front(), ys.front()), QPoint(xs.back(), ys.back()));
    const QRgb colour = toQColor(m_foreColor).rgb();
    drawDirect(bounds, [&](QImage& target) {
        for (int y : ys) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            for (int x : xs)
                line[x] = colour;
        }
    });
}

QFont Surface::font() const
{
    QFont f(m_fontName);
    // Points to pixels at the surface's resolution (1440 twips to the inch).
    const double dpi = 1440.0 / m_twipsPerPixel;
    f.setPixelSize(std::max(1, roundHalfUp(m_fontSize * dpi / 72.0)));
    f.setBold(m_fontBold);
    f.setItalic(m_fontItalic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void Surface::print(const QString& text)
{
    const QFont f = font();
    const QFontMetrics metrics(f);
    const QPoint at = toPixel(QPointF(m_currentX, m_currentY));
    const QRect bounds = metrics.boundingRect(text).translated(at.x(), at.y() + metrics.ascent());
    if (!text.isEmpty()) {
        // Italic letters lean past their advance; a margin of half the line
        // height keeps them whole.
        const int margin = metrics.height() / 2 + 2;
        draw((bounds | QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())))
                 .adjusted(-margin, -margin, margin, margin),
             [&](QPainter& p) {
                 p.setFont(f);
                 p.setPen(toQColor(m_foreColor));
                 p.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
             });
    }
    const double scale = m_scaleMode == ScaleMode::Pixels ? 1.0 : m_twipsPerPixel;
    m_currentX = 0;
    m_currentY += metrics.height() * scale;
}

// The transient drawing since the last refresh is wiped by restoring the
// union of its areas, each pixel once, and never more than the whole.

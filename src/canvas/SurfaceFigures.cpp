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

enum class Surface::Shape
{
    Segment,
    Box,
    FilledBox
};

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

void setUpPainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

} // namespace

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
        const QRect area = m_persistent.tiles().tileArea(bounds);
        QImage part = m_persistent.tileArea(area, ink);
        write(part, area.topLeft(), bounds);
        m_persistent.takeTileArea(part, area, ink);
        return;
    }
    if (m_autoRedraw) {
        write(m_persistent.wholeForDrawing(), QPoint(0, 0), bounds);
        for (const QRect& r : ink)
            m_persistent.drawn(r.intersected(bounds));
        if (QImage* screen = m_screen.drawnAlong())
            write(*screen, QPoint(0, 0), bounds);
    } else {
        write(m_screen.drawOn(m_persistent.whole()), QPoint(0, 0), bounds);
        for (const QRect& r : ink)
            m_screen.drawn(r.intersected(bounds));
        // In a batch the transient blocks are reported once, at its end.
        if (m_report.inBatch()) {
            m_report.transientDrawnInBatch();
            return;
        }
    }
    if (ink.size() == 1) {
        m_report.changed(ink.front().intersected(bounds));
        return;
    }
    for (QRect& r : ink)
        r = r.intersected(bounds);
    m_report.changed(ink);
}

void Surface::line(QPointF from, QPointF to)
{
    drawLine(from, to, m_draw.foreColor, Shape::Segment);
}

void Surface::line(QPointF from, QPointF to, Colour colour)
{
    drawLine(from, to, colour, Shape::Segment);
}

void Surface::box(QPointF from, QPointF to, Colour colour)
{
    drawLine(from, to, colour, Shape::Box);
}

void Surface::filledBox(QPointF from, QPointF to, Colour colour)
{
    drawLine(from, to, colour, Shape::FilledBox);
}

void Surface::lines(const std::vector<std::pair<QPointF, QPointF>>& segments)
{
    if (segments.empty())
        return;
    const int w = m_draw.drawWidth;
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
    const InkStamp& stamp = m_memo.segments(shape, w, [&](QPainter& p) {
        p.setPen(roundPen(Qt::black, w));
        for (const auto& [a, b] : shape)
            drawSegment(p, a, b);
    });
    const QRgb colour = toQColor(m_draw.foreColor).rgb();
    drawInto(
        bounds,
        [&](QImage& target, QPoint imageOrigin, const QRect& clip) {
            stamp.lay(target, origin - imageOrigin, clip.translated(-imageOrigin), colour);
        },
        std::move(ink));
}

void Surface::drawLine(QPointF from, QPointF to, Colour colour, Shape shape)
{
    const QPoint a = toPixel(from);
    const QPoint b = toPixel(to);
    const int w = m_draw.drawWidth;
    const QRect bounds = spanned(a, b).adjusted(-w - 1, -w - 1, w + 1, w + 1);
    const QColor c = toQColor(colour);
    const bool outline = shape == Shape::Box && fillStyleBrush(m_draw.fillStyle) == Qt::NoBrush;
    std::vector<QRect> ink;
    if (shape == Shape::Segment)
        ink = segmentInk(a, b, w);
    else if (outline)
        ink = boxOutlineInk(spanned(a, b), w);
    if (outline) {
        const BoxOutlineStamp& stamp =
            m_memo.boxOutline(w, [&](QPainter& p, QPoint topLeft, QPoint bottomRight) {
                p.setPen(boxPen(Qt::black, w));
                drawBox(p, QRect(topLeft, bottomRight));
            });
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
                p.setBrush(QBrush(toQColor(m_draw.fillColor), fillStyleBrush(m_draw.fillStyle)));
            drawBox(p, spanned(a, b));
        },
        std::move(ink));
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
    const int w = m_draw.drawWidth;
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
    const Qt::BrushStyle style = fillStyleBrush(m_draw.fillStyle);
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
            p.setBrush(QBrush(toQColor(m_draw.fillColor), style));
            p.drawEllipse(box);
        });
    // The last ring's rows serve its mirror images and the same ring on the
    // page: a 4K circle move with mirrors costs 18 % more working them out
    // afresh with ellipseRing() (measured with the bench's move figure).
    const std::vector<RingSpan> ring = m_memo.ring(rx, ry, w).spans(c, bounds.intersected(rect()));
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
    plot(p, m_draw.foreColor);
}

void Surface::plot(QPointF at, Colour colour)
{
    const QPoint a = toPixel(at);
    const int w = m_draw.drawWidth;
    draw(QRect(a, a).adjusted(-w, -w, w, w), [&](QPainter& p) {
        p.setPen(QPen(toQColor(colour), w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(a);
    });
}

void Surface::print(const QString& text)
{
    const QFont f = m_draw.font();
    const QFontMetrics metrics(f);
    const QPoint at = toPixel(QPointF(m_draw.currentX, m_draw.currentY));
    const QRect bounds = metrics.boundingRect(text).translated(at.x(), at.y() + metrics.ascent());
    if (!text.isEmpty()) {
        // Italic letters lean past their advance; a margin of half the line
        // height keeps them whole.
        const int margin = metrics.height() / 2 + 2;
        draw((bounds | QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())))
                 .adjusted(-margin, -margin, margin, margin),
             [&](QPainter& p) {
                 p.setFont(f);
                 p.setPen(toQColor(m_draw.foreColor));
                 p.drawText(QPoint(at.x(), at.y() + metrics.ascent()), text);
             });
    }
    m_draw.currentX = 0;
    m_draw.currentY += metrics.height() * m_draw.unit();
}

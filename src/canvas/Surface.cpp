#include "canvas/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include <QFontMetrics>
#include <QPainter>

namespace {

// Copies one rectangle of pixels between two images of the same size and format.
void copyPixels(QImage& to, const QImage& from, const QRect& r)
{
    const int bytes = r.width() * 4;
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4, size_t(bytes));
}

} // namespace

Qt::BrushStyle fillStyleBrush(int fillStyle)
{
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward diagonal, like "/"
    case 5:
        return Qt::FDiagPattern; // downward diagonal, like "\"
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

namespace {

// The rectangle with two opposite corners a and b, both inside it.
QRect spanned(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Coordinates far outside any surface are held at a distance where pixel
// arithmetic cannot overflow; what is drawn there is clipped away anyway.
constexpr double kFar = 1 << 28;

int roundHalfUp(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::floor(std::clamp(v, -kFar, kFar) + 0.5));
}

} // namespace

Surface::Surface(QSize sizePx, double twipsPerPixel)
    : m_size(sizePx.expandedTo(QSize(1, 1))), m_twipsPerPixel(twipsPerPixel)
{
    becomePlain();
}

void Surface::setShown(bool shown)
{
    m_shown = shown;
    if (!shown) {
        m_screen = QImage();
        m_transient.clear();
    }
}

// A resized surface shows its picture whole wherever the new size reaches
// past the old one; within the old size it keeps what it showed, drawing
// included. So the persistent image is again BackColor, the picture laid at
// the top left, and the drawing over it.
void Surface::resize(QSize sizePx)
{
    sizePx = sizePx.expandedTo(QSize(1, 1));
    if (sizePx == m_size)
        return;
    if (m_image.isNull() && m_picture.isNull()) {
        m_size = sizePx;
        becomePlain();
        resetScreen();
        return;
    }
    const QImage old = persistentImage();
    m_size = sizePx;
    m_image = QImage(m_size, QImage::Format_RGB32);
    m_image.fill(toQColor(m_backColor));
    {
        QPainter p(&m_image);
        if (!m_picture.isNull())
            p.drawImage(0, 0, m_picture.toImage());
        p.drawImage(0, 0, old);
    }
    m_tiles = Picture();
    m_stale = TileMask(m_size);
    resetScreen();
}

void Surface::setBackColor(Colour c)
{
    m_backColor = c;
    rebuildPersistent();
}

void Surface::setPicture(const Picture& picture)
{
    m_picture = picture;
    rebuildPersistent();
}

void Surface::setPicture(const QImage& picture)
{
    setPicture(Picture::fromImage(picture));
}

Picture Surface::image() const
{
    if (m_tiles.isNull())
        m_tiles = Picture::fromImage(m_image);
    else if (m_stale.any())
        m_tiles = m_tiles.withTilesFrom(m_image, m_stale);
    m_stale.clear();
    return m_tiles;
}

const QImage& Surface::persistentImage() const
{
    if (m_image.isNull())
        m_image = m_tiles.toImage();
    return m_image;
}

void Surface::rebuildPersistent()
{
    if (m_picture.isNull()) {
        becomePlain();
        resetScreen();
    } else if (m_picture.size() == m_size && !m_picture.hasAlpha()) {
        // Undo and page switches land here with a picture that shares most of
        // its tiles with what the surface shows: only the others are written.
        if (m_image.isNull()) {
            m_tiles = m_picture;
            resetScreen();
            return;
        }
        const std::vector<QRect> rewritten = m_picture.writeChanges(m_image, m_tiles, m_stale);
        m_tiles = m_picture;
        m_stale.clear();
        resetScreen(rewritten);
    } else {
        m_image = QImage(m_size, QImage::Format_RGB32);
        m_image.fill(toQColor(m_backColor));
        {
            QPainter p(&m_image);
            p.drawImage(0, 0, m_picture.toImage());
        }
        m_tiles = Picture();
        m_stale.clear();
        resetScreen();
    }
}

void Surface::becomePlain()
{
    m_image = QImage();
    m_tiles = Picture::filled(m_size, toQColor(m_backColor).rgb());
    m_stale = TileMask(m_size);
}

void Surface::resetScreen()
{
    m_transient.clear();
    if (!m_screen.isNull()) {
        if (m_screen.size() == m_size)
            copyPixels(m_screen, persistentImage(), rect());
        else
            m_screen = QImage();
    }
    changed(rect());
}

// After only some tiles were rewritten the screen needs only those, and the
// places where transient drawing was, restored.
void Surface::resetScreen(const std::vector<QRect>& rewritten)
{
    if (!m_screen.isNull()) {
        for (const QRect& r : m_transient) {
            copyPixels(m_screen, m_image, r);
            changed(r);
        }
        for (const QRect& r : rewritten)
            copyPixels(m_screen, m_image, r);
    }
    m_transient.clear();
    for (const QRect& r : rewritten)
        changed(r);
}

void Surface::changed(const QRect& r)
{
    if (m_listener && m_shown && !r.isEmpty())
        m_listener(r);
}

QPoint Surface::toPixel(QPointF p) const
{
    const double scale = m_scaleMode == ScaleMode::Pixels ? 1.0 : m_twipsPerPixel;
    return QPoint(roundHalfUp(p.x() / scale), roundHalfUp(p.y() / scale));
}

double Surface::toPixels(double length) const
{
    return m_scaleMode == ScaleMode::Pixels ? length : length / m_twipsPerPixel;
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

void Surface::setUpPainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

// Painting is clipped to the bounds: the tiles marked and the areas Refresh
// restores are exactly the ones a drawing can have changed.
template <typename Paint> void Surface::draw(QRect bounds, Paint paint)
{
    bounds = bounds.intersected(rect());
    if (bounds.isEmpty())
        return;
    auto paintOn = [&](QImage& target) {
        QPainter p(&target);
        setUpPainter(p);
        p.setClipRect(bounds);
        paint(p);
    };
    if (m_autoRedraw) {
        persistentImage();
        paintOn(m_image);
        m_stale.mark(bounds);
        if (!m_screen.isNull())
            paintOn(m_screen);
    } else {
        if (!m_shown)
            return;
        if (m_screen.isNull())
            m_screen = persistentImage().copy();
        paintOn(m_screen);
        m_transient.push_back(bounds);
    }
    changed(bounds);
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
            m_screen = persistentImage().copy();
        write(m_screen);
        m_transient.push_back(bounds);
    }
    changed(bounds);
}

void Surface::line(QPointF from, QPointF to)
{
    drawLine(from, to, m_foreColor, Shape::Segment);
}

void Surface::drawLine(QPointF from, QPointF to, Colour colour, Shape shape)
{
    const QPoint a = toPixel(from);
    const QPoint b = toPixel(to);
    const int w = m_drawWidth;
    const QRect bounds = spanned(a, b).adjusted(-w - 1, -w - 1, w + 1, w + 1);
    const QColor c = toQColor(colour);

    draw(bounds, [&](QPainter& p) {
        if (shape == Shape::Segment) {
            p.setPen(QPen(c, w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (a == b)
                p.drawPoint(a);
            else
                p.drawLine(a, b);
            return;
        }
        p.setPen(QPen(c, w <= 1 ? 0 : w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        if (shape == Shape::FilledBox)
            p.setBrush(c);
        else if (fillStyleBrush(m_fillStyle) == Qt::NoBrush)
            p.setBrush(Qt::NoBrush);
        else
            p.setBrush(QBrush(toQColor(m_fillColor), fillStyleBrush(m_fillStyle)));
        const QRect box = spanned(a, b);
        if (box.width() == 1 && box.height() == 1)
            p.drawPoint(a);
        else
            p.drawRect(QRectF(box.topLeft(), box.bottomRight()));
    });
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

    draw(bounds, [&](QPainter& p) {
        p.setPen(QPen(penColour, w <= 1 ? 0 : w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (start || end) {
            // Qt measures arcs in sixteenths of a degree, counter-clockwise from
            // +x, which is the same sense as ours.
            const double twoPi = 2 * std::numbers::pi;
            const double a0 = std::fmod(std::abs(start.value_or(0)), twoPi);
            double a1 = std::fmod(std::abs(end.value_or(twoPi)), twoPi);
            double span = a1 - a0;
            if (span <= 0)
                span += twoPi;
            p.setBrush(Qt::NoBrush);
            p.drawArc(box, roundHalfUp(a0 * 180 / std::numbers::pi * 16),
                      roundHalfUp(span * 180 / std::numbers::pi * 16));
            return;
        }
        const Qt::BrushStyle style = fillStyleBrush(m_fillStyle);
        if (style == Qt::NoBrush)
            p.setBrush(Qt::NoBrush);
        else
            p.setBrush(QBrush(toQColor(m_fillColor), style));
        if (rx < 0.5 && ry < 0.5)
            p.drawPoint(c);
        else
            p.drawEllipse(box);
    });
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

qint64 Surface::pixel(QPointF at) const
{
    const QPoint a = toPixel(at);
    if (!rect().contains(a))
        return -1;
    if (!m_autoRedraw && !m_screen.isNull())
        return fromRgb32(m_screen.pixel(a));
    // A page that was never drawn on answers from its tiles rather than make
    // its full image for one pixel.
    return fromRgb32(m_image.isNull() ? m_tiles.pixel(a) : m_image.pixel(a));
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

void Surface::refresh()
{
    if (m_screen.isNull()) {
        m_transient.clear();
        return;
    }
    for (const QRect& r : m_transient) {
        copyPixels(m_screen, m_image, r);
        changed(r);
    }
    m_transient.clear();
}

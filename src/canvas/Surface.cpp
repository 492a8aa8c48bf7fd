// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/Surface.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <cmath>

#include "canvas/PixelMath.h"

using namespace PixelMath;

Surface::Surface(QSize sizePx, double twipsPerPixel)
    : m_persistent(sizePx.expandedTo(QSize(1, 1)), toQColor(m_draw.backColor).rgb()),
      m_screen(m_persistent.size()), m_report(m_persistent.size())
{
    m_draw.twipsPerPixel = twipsPerPixel;
}

void Surface::setShown(bool shown)
{
    m_shown = shown;
    m_report.setShown(shown);
    if (!shown) {
        m_screen.drop();
        settle();
    }
}

// A resized surface, shown or hidden, shows its picture whole wherever the
// new size reaches past the old one; within the old size it keeps what it
// showed, drawing included. So the persistent image is again BackColor, the
// picture laid at the top left, and the drawing over it. A surface that holds
// nothing but its BackColor (a page never drawn on) stays one shared tile.
void Surface::resize(QSize sizePx)
{
    sizePx = sizePx.expandedTo(QSize(1, 1));
    if (sizePx == this->sizePx())
        return;
    const QRgb back = toQColor(m_draw.backColor).rgb();
    if (m_picture.isNull() && m_persistent.isPlain(back))
        m_persistent.becomePlain(sizePx, back);
    else
        m_persistent.resize(sizePx, back, m_picture);
    m_screen.resize(sizePx);
    m_report.resize(sizePx);
    m_report.changed(rect());
    settle();
}

void Surface::setBackColor(Colour c)
{
    m_draw.backColor = c;
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

void Surface::setChangeListener(std::function<void(const QRegion&)> listener)
{
    m_report.setListener(std::move(listener));
}

void Surface::rebuildPersistent()
{
    if (!m_shown)
        m_persistent.settle(); // the tiles hold everything; no copy to keep up to date
    const QRgb back = toQColor(m_draw.backColor).rgb();
    if (m_picture.isNull()) {
        m_persistent.becomePlain(sizePx(), back);
        if (m_screen.isHeld())
            m_screen.restoreAll(m_persistent.whole());
        m_screen.forgetTransient();
        m_report.changed(rect());
    } else if (m_picture.size() == sizePx() && !m_picture.hasAlpha()) {
        // Undo and page switches land here with a picture that shares most of
        // its tiles with what the surface shows: only the others are written.
        if (!m_persistent.holdsWhole()) {
            m_persistent.takePicture(m_picture);
            m_screen.forgetTransient();
            m_report.changed(rect());
            return;
        }
        resetScreen(m_persistent.rewriteTo(m_picture));
    } else {
        // A picture of another size, or with transparency, makes new tiles
        // where it lies; the full image waits until something draws or reads it.
        m_persistent.layOver(m_picture, back);
        m_screen.drop();
        m_report.changed(rect());
    }
}

// After only some tiles were rewritten the screen needs only those, and the
// places where transient drawing was, restored.
void Surface::resetScreen(const std::vector<QRect>& rewritten)
{
    if (m_screen.isHeld()) {
        m_screen.restoreTransient(m_persistent.whole());
        m_report.wiped(m_screen.transient());
        m_screen.restore(m_persistent.whole(), rewritten);
    }
    m_screen.forgetTransient();
    for (const QRect& r : rewritten)
        m_report.changed(r);
}

// A hidden surface hands what it drew over to its tiles and lets go of the
// full image.
void Surface::settle()
{
    if (!m_shown)
        m_persistent.settle();
}

namespace {

// Below this many pixels an area is copied on this thread: Qt hands a copy of
// more than about a hundred rows to other threads in slices, and for the
// small areas a figure leaves that costs far more than the copy.
constexpr qint64 kWideArea = 512 * 1024;
constexpr int kRowsPerCopy = 64;

// The image a painter writes to, when it is one that the surface's pixels can
// be copied into as they are, one to one, and where the painter's origin
// lies on it.
QImage* plainTarget(QPainter& painter, QPoint& origin)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(engine->paintDevice());
    if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxTranslate || image->devicePixelRatio() != 1.0 ||
        t.dx() != std::trunc(t.dx()) || t.dy() != std::trunc(t.dy()))
        return nullptr;
    origin = QPoint(int(t.dx()), int(t.dy()));
    return image;
}

} // namespace

void Surface::paint(QPainter& painter, const QRegion& region) const
{
    QPoint origin;
    QImage* target = plainTarget(painter, origin);
    const QRect within = target ? target->rect().translated(-origin) & rect() : rect();
    if (!m_screen.isHeld() && !m_persistent.holdsWhole()) {
        // The tiles are opaque: a target that takes the pixels as they are
        // gets them copied; any other is painted tile by tile.
        for (const QRect& r : region) {
            if (target)
                m_persistent.tiles().copyInto(*target, origin, r & within);
            else
                m_persistent.tiles().draw(painter, r);
        }
        return;
    }
    const QImage& shown = screen();
    std::vector<QRect> small;
    for (const QRect& area : region) {
        const QRect r = area & within;
        if (r.isEmpty())
            continue;
        if (qint64(r.width()) * r.height() >= kWideArea) {
            painter.drawImage(r.topLeft(), shown, r);
        } else if (target) {
            small.push_back(r);
        } else {
            for (int top = r.top(); top <= r.bottom(); top += kRowsPerCopy) {
                const QRect slice(r.left(), top, r.width(), std::min(kRowsPerCopy, r.bottom() + 1 - top));
                painter.drawImage(slice.topLeft(), shown, slice);
            }
        }
    }
    // Writing the pixels straight into the painter's image spares the
    // painter's work for each of the many small areas a figure leaves: a 4K
    // pointer move costs 17 to 55 % more through QPainter::drawImage, the
    // plain path below (measured with the bench's move figure).
    if (!small.empty())
        copyAreas(*target, origin, shown, small);
}

qint64 Surface::pixel(QPointF at) const
{
    const QPoint a = toPixel(at);
    if (!rect().contains(a))
        return -1;
    if (!m_autoRedraw && m_screen.isHeld())
        return fromRgb32(m_screen.image().pixel(a));
    // A page that was never drawn on answers from its tiles rather than make
    // its full image for one pixel.
    return fromRgb32(m_persistent.holdsWhole() ? m_persistent.heldWhole().pixel(a)
                                               : m_persistent.tiles().pixel(a));
}

// The transient drawing since the last refresh is wiped by restoring the
// union of its areas, each pixel once, and never more than the whole.
void Surface::refresh()
{
    if (!m_screen.isHeld() || !m_screen.transient().any()) {
        m_screen.forgetTransient();
        return;
    }
    qint64 area = 0;
    for (const QRect& r : m_screen.transient().runs())
        area += qint64(r.width()) * r.height();
    if (m_screen.refreshMode() == RefreshMode::WholeImage ||
        area >= qint64(sizePx().width()) * sizePx().height()) {
        m_screen.restoreAll(m_persistent.whole());
        m_report.changed(rect());
        return;
    }
    m_screen.restoreTransient(m_persistent.whole());
    m_report.wiped(m_screen.transient());
    m_screen.forgetTransient();
}

QString Surface::checkInvariants(int rowStep, int firstRow) const
{
    rowStep = std::max(1, rowStep);
    firstRow = std::clamp(firstRow, 0, rowStep - 1);
    QString broken = m_draw.checkInvariants();
    if (broken.isEmpty())
        broken = m_persistent.checkInvariants(rowStep, firstRow);
    if (broken.isEmpty())
        broken = m_screen.checkInvariants(m_persistent.heldWhole(), rowStep, firstRow);
    if (broken.isEmpty())
        broken = m_report.checkInvariants();
    if (broken.isEmpty())
        broken = m_memo.checkInvariants();
    if (!broken.isEmpty())
        return broken;
    // Between the rooms: they cover one size, and a hidden surface keeps its
    // pixels in its tiles alone, with no screen layer.
    if (m_screen.transient().area() != sizePx() || m_report.area() != sizePx())
        return QStringLiteral("a mark grid does not cover the surface's size");
    if (!m_shown && (!m_persistent.isSettled() || m_screen.isHeld() || m_screen.transient().any()))
        return QStringLiteral(
            "a hidden surface holds a screen layer, transient blocks, stale tiles or no tiles");
    return QString();
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/Surface.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <cmath>

#include "canvas/PixelMath.h"

using namespace PixelMath;

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

Surface::Surface(QSize sizePx, double twipsPerPixel)
    : m_size(sizePx.expandedTo(QSize(1, 1))), m_transient(m_size), m_changedBlocks(m_size),
      m_twipsPerPixel(twipsPerPixel)
{
    becomePlain();
}

void Surface::setShown(bool shown)
{
    m_shown = shown;
    if (!shown) {
        m_screen = QImage();
        m_transient.clear();
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
    if (sizePx == m_size)
        return;
    m_transient = BlockMask(sizePx);
    m_changedBlocks = BlockMask(sizePx);
    if (m_image.isNull() && m_picture.isNull() && m_tiles.isFilledWith(toQColor(m_backColor).rgb())) {
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
    replaceTiles(Picture());
    m_stale = TileMask(m_size);
    resetScreen();
    settle();
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
    if (m_screen.isNull() && m_image.isNull()) {
        // The tiles are opaque: a target that takes the pixels as they are
        // gets them copied; any other is painted tile by tile.
        for (const QRect& r : region) {
            if (target)
                m_tiles.copyInto(*target, origin, r & within);
            else
                m_tiles.draw(painter, r);
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
    // painter's work for each of the many small areas a figure leaves.
    if (!small.empty())
        copyAreas(*target, origin, shown, small);
}

Picture Surface::image() const
{
    if (m_tiles.isNull())
        replaceTiles(Picture::fromImage(m_image));
    else if (m_stale.any())
        replaceTiles(m_tiles.frozen().withTilesFrom(m_image, m_stale));
    m_stale.clear();
    return m_tiles.frozen();
}

const QImage& Surface::persistentImage() const
{
    if (m_image.isNull())
        m_image = m_tiles.toImage();
    return m_image;
}

void Surface::rebuildPersistent()
{
    if (!m_shown)
        m_image = QImage(); // the tiles hold everything; no copy to keep up to date
    if (m_picture.isNull()) {
        becomePlain();
        resetScreen();
    } else if (m_picture.size() == m_size && !m_picture.hasAlpha()) {
        // Undo and page switches land here with a picture that shares most of
        // its tiles with what the surface shows: only the others are written.
        if (m_image.isNull()) {
            replaceTiles(m_picture);
            resetScreen();
            return;
        }
        const std::vector<QRect> rewritten = m_picture.writeChanges(m_image, m_tiles, m_stale);
        replaceTiles(m_picture);
        m_stale.clear();
        resetScreen(rewritten);
    } else {
        composePicture();
    }
}

// A picture of another size, or with transparency, is laid over BackColor at
// the top left. Only the tiles it covers are made; the others share one tile
// of BackColor, and the full image waits until something draws or reads it.
void Surface::composePicture()
{
    const QRgb back = toQColor(m_backColor).rgb();
    if (!m_picture.hasAlpha()) {
        replaceTiles(m_picture.laidOver(m_size, back));
    } else {
        const Picture plain = Picture::filled(m_size, back);
        const QRect area = plain.tileArea(QRect(QPoint(0, 0), m_picture.size()));
        QImage part(area.size(), QImage::Format_RGB32);
        part.fill(back);
        {
            QPainter p(&part);
            p.drawImage(0, 0, m_picture.copyArea(m_picture.tileArea(area)));
        }
        replaceTiles(plain.withAreaFrom(part, area, {area}));
    }
    m_image = QImage();
    m_screen = QImage();
    m_stale = TileMask(m_size);
    m_transient.clear();
    changed(rect());
}

// A hidden surface hands what it drew over to its tiles and lets go of the
// full image.
void Surface::settle()
{
    if (m_shown || m_image.isNull())
        return;
    if (m_tiles.isNull())
        replaceTiles(Picture::fromImage(m_image));
    else if (m_stale.any())
        replaceTiles(m_tiles.frozen().withTilesFrom(m_image, m_stale));
    m_stale.clear();
    m_image = QImage();
}

void Surface::becomePlain()
{
    m_image = QImage();
    replaceTiles(Picture::filled(m_size, toQColor(m_backColor).rgb()));
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
        copyAreas(m_screen, QPoint(0, 0), m_image, m_transient.runs());
        transientWiped();
        for (const QRect& r : rewritten)
            copyPixels(m_screen, m_image, r);
    }
    m_transient.clear();
    for (const QRect& r : rewritten)
        changed(r);
}

void Surface::changed(const QRect& r)
{
    if (!m_listener || !m_shown || r.isEmpty())
        return;
    if (m_batches > 0)
        m_changedBlocks.mark(r);
    else
        m_listener(QRegion(r));
}

void Surface::transientWiped()
{
    if (!m_listener || !m_shown)
        return;
    m_changedBlocks.unite(m_transient);
    if (m_batches == 0)
        reportChanges();
}

void Surface::changed(const std::vector<QRect>& areas)
{
    if (!m_listener || !m_shown || areas.empty())
        return;
    for (const QRect& r : areas)
        m_changedBlocks.mark(r);
    if (m_batches == 0)
        reportChanges();
}

void Surface::reportChanges()
{
    if (m_transientDrawn) {
        m_changedBlocks.unite(m_transient);
        m_transientDrawn = false;
    }
    if (!m_changedBlocks.any())
        return;
    const QRegion region = m_changedBlocks.region();
    m_changedBlocks.clear();
    if (m_listener && m_shown)
        m_listener(region);
}

Surface::ChangeBatch::ChangeBatch(Surface& surface) : m_surface(surface)
{
    ++m_surface.m_batches;
}

Surface::ChangeBatch::~ChangeBatch()
{
    if (--m_surface.m_batches == 0)
        m_surface.reportChanges();
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

void Surface::refresh()
{
    if (m_screen.isNull() || !m_transient.any()) {
        m_transient.clear();
        return;
    }
    const std::vector<QRect> runs = m_transient.runs();
    qint64 area = 0;
    for (const QRect& r : runs)
        area += qint64(r.width()) * r.height();
    if (m_refreshMode == RefreshMode::WholeImage || area >= qint64(m_size.width()) * m_size.height()) {
        m_transient.clear();
        copyPixels(m_screen, m_image, rect());
        changed(rect());
        return;
    }
    copyAreas(m_screen, QPoint(0, 0), m_image, runs);
    transientWiped();
    m_transient.clear();
}

void Surface::replaceTiles(Picture tiles) const
{
    m_tiles.reset(std::move(tiles));
}

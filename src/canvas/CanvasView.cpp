#include "canvas/CanvasView.h"

#include <QMouseEvent>
#include <QPainter>

#include "canvas/Surface.h"

namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    return int(buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

CanvasView::CanvasView(Surface& surface, QWidget* parent) : QWidget(parent), m_surface(surface)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setChangeListener([this](const QRegion& r) { update(r); });
}

CanvasView::~CanvasView()
{
    m_surface.setChangeListener({});
}

QPointF CanvasView::toTwips(QPointF position) const
{
    return position * m_surface.twipsPerPixel();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect surface(QPoint(0, 0), m_surface.sizePx());
    m_surface.paint(p, event->region() & surface);
    for (const QRect& r : event->region() - QRegion(surface))
        p.fillRect(r, palette().window());
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    const QPointF t = toTwips(event->position());
    emit mousePressed(buttonMask(event->button()), shiftMask(event->modifiers()), float(t.x()), float(t.y()));
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF t = toTwips(event->position());
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()), float(t.x()), float(t.y()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF t = toTwips(event->position());
    emit mouseReleased(buttonMask(event->button()), shiftMask(event->modifiers()), float(t.x()),
                       float(t.y()));
}

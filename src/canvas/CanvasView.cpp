// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/CanvasView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>

#include "canvas/FramePacer.h"
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

CanvasView::CanvasView(Surface& surface, QWidget* parent, FramePacer::Pacing pacing)
    : QWidget(parent), m_surface(surface),
      m_pacer(std::make_unique<FramePacer>([this](const QRegion& r) { update(r); }, pacing))
{
    setMouseTracking(true);
    // A pen that hovers moves the crosshair, as the mouse does.
    setTabletTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setChangeListener([this](const QRegion& r) {
        if (m_pointerMoving)
            m_pacer->moved(r);
        else
            m_pacer->changed(r);
    });
}

CanvasView::~CanvasView()
{
    m_surface.setChangeListener({});
}

QPointF CanvasView::toTwips(QPointF position) const
{
    return position * m_surface.twipsPerPixel();
}

void CanvasView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window can move to a screen of another refresh rate, and a screen
    // can change its rate.
    QWindow* shownIn = window()->windowHandle();
    if (shownIn && shownIn != m_watchedWindow) {
        m_watchedWindow = shownIn;
        connect(shownIn, &QWindow::screenChanged, this, &CanvasView::followScreen);
    }
    followScreen();
}

void CanvasView::followScreen()
{
    disconnect(m_rateWatch);
    QScreen* shownOn = screen();
    if (!shownOn)
        return;
    m_rateWatch = connect(shownOn, &QScreen::refreshRateChanged, this, &CanvasView::followScreen);
    m_pacer->setFrameInterval(FramePacer::intervalFor(shownOn->refreshRate()));
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
    m_pacer->flush();
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF t = toTwips(event->position());
    const QScopedValueRollback moving(m_pointerMoving, true);
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()), float(t.x()), float(t.y()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF t = toTwips(event->position());
    emit mouseReleased(buttonMask(event->button()), shiftMask(event->modifiers()), float(t.x()),
                       float(t.y()));
    // A release that draws nothing (the end of a stroke) still shows the
    // last move at once.
    m_pacer->flush();
}

// Taking the pen's events keeps Qt from making mouse events of them as well.
// A pen can touch down away from where it last hovered, so the pointer first
// moves to the point without a button, as a mouse always comes to the point
// it presses at: a freehand stroke then starts there and not at the last
// point the pen left.
void CanvasView::tabletEvent(QTabletEvent* event)
{
    const QPointF t = toTwips(event->position());
    const int shift = shiftMask(event->modifiers());
    const float x = float(t.x()), y = float(t.y());
    switch (event->type()) {
    case QEvent::TabletPress:
        emit mouseMoved(0, shift, x, y);
        emit mousePressed(buttonMask(event->button()), shift, x, y);
        m_pacer->flush();
        break;
    case QEvent::TabletMove: {
        // A pen's moves are paced as the mouse's are.
        const QScopedValueRollback moving(m_pointerMoving, true);
        emit mouseMoved(buttonMask(event->buttons()), shift, x, y);
        break;
    }
    case QEvent::TabletRelease:
        emit mouseReleased(buttonMask(event->button()), shift, x, y);
        m_pacer->flush();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

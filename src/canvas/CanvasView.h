// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QPointer>
#include <QWidget>

#include "canvas/FramePacer.h"

class QWindow;
class Surface;

// The widget that shows the canvas surface. It paints only the rectangles the
// surface reports as changed and hands every pointer event on in twips, with
// the button mask (1 left, 2 right, 4 middle) and the shift state. A pen on a
// tablet is handed on as the mouse is, its tip as the left button; a finger
// reaches it as the mouse events Qt makes of an unhandled touch. What a
// pointer move changes is painted at most once per display frame; any other
// change is painted at once.
class CanvasView : public QWidget
{
    Q_OBJECT

  public:
    CanvasView(Surface& surface, QWidget* parent = nullptr,
               FramePacer::Pacing pacing = FramePacer::Pacing::OncePerFrame);
    ~CanvasView() override;

    Surface& surface() { return m_surface; }
    FramePacer& pacer() { return *m_pacer; }

  signals:
    void mousePressed(int button, int shift, float x, float y);
    void mouseMoved(int button, int shift, float x, float y);
    void mouseReleased(int button, int shift, float x, float y);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;

  private:
    QPointF toTwips(QPointF position) const;
    // Takes the frame interval from the screen the canvas is on.
    void followScreen();

    Surface& m_surface;
    std::unique_ptr<FramePacer> m_pacer;
    // Set while the handlers of a pointer move run.
    bool m_pointerMoving = false;
    QPointer<QWindow> m_watchedWindow;
    QMetaObject::Connection m_rateWatch;
};

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FramePacer.h"

#include <utility>

#include <QElapsedTimer>
#include <QTimer>

using std::chrono::nanoseconds;

namespace {

class QtFrameClock : public FrameClock
{
  public:
    QtFrameClock()
    {
        m_elapsed.start();
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (m_due)
                std::exchange(m_due, {})();
        });
    }

    nanoseconds now() const override { return nanoseconds(m_elapsed.nsecsElapsed()); }

    // The timer counts whole milliseconds; rounding down wakes a fraction of
    // a millisecond early rather than late.
    void wakeAfter(nanoseconds delay, std::function<void()> due) override
    {
        m_due = std::move(due);
        m_timer.start(std::chrono::duration_cast<std::chrono::milliseconds>(delay));
    }

    void cancelWake() override
    {
        m_timer.stop();
        m_due = {};
    }

  private:
    QElapsedTimer m_elapsed;
    QTimer m_timer;
    std::function<void()> m_due;
};

} // namespace

FramePacer::FramePacer(Paint paint, Pacing pacing)
    : m_paint(std::move(paint)), m_pacing(pacing), m_clock(std::make_unique<QtFrameClock>()),
      m_interval(intervalFor(0)), m_lastPaint(nanoseconds::min() / 2)
{
}

FramePacer::~FramePacer() = default;

void FramePacer::setClock(std::unique_ptr<FrameClock> clock)
{
    m_clock->cancelWake();
    m_clock = std::move(clock);
    m_lastPaint = nanoseconds::min() / 2;
    if (m_waiting) {
        m_waiting = false;
        paint(QRegion());
    }
}

nanoseconds FramePacer::intervalFor(double hertz)
{
    return nanoseconds(std::llround(1e9 / (hertz > 0 ? hertz : 60.0)));
}

void FramePacer::moved(const QRegion& changed)
{
    const nanoseconds now = m_clock->now();
    if (m_pacing == Pacing::EveryMove || now - m_lastPaint >= m_interval) {
        if (m_waiting) {
            m_clock->cancelWake();
            m_waiting = false;
        }
        paint(changed);
        return;
    }
    m_held += changed;
    if (!m_waiting) {
        m_waiting = true;
        m_clock->wakeAfter(m_interval, [this] { frameDue(); });
    }
}

void FramePacer::changed(const QRegion& changed)
{
    if (m_waiting) {
        m_clock->cancelWake();
        m_waiting = false;
    }
    paint(changed);
}

void FramePacer::frameDue()
{
    m_waiting = false;
    paint(QRegion());
}

void FramePacer::paint(const QRegion& region)
{
    const QRegion all = m_held.isEmpty() ? region : m_held + region;
    m_held = QRegion();
    if (all.isEmpty())
        return;
    m_lastPaint = m_clock->now();
    m_paint(all);
}

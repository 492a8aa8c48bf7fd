// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include <QRegion>

// The time a FramePacer reads and the one wake-up it waits for. The program's
// clock is Qt's monotonic clock with a precise single-shot timer; tests drive
// a pacer with a clock they move by hand.
class FrameClock
{
  public:
    virtual ~FrameClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
    // Calls `due` once, `delay` from now; a new call replaces the one waiting.
    virtual void wakeAfter(std::chrono::nanoseconds delay, std::function<void()> due) = 0;
    virtual void cancelWake() = 0;
};

// Gathers the repaints that pointer moves ask for into at most one per
// display frame. A pen or a fast mouse sends a move every few milliseconds,
// far more often than a screen shows a frame, and each repaint costs a paint
// and a copy to the screen. A move that comes a whole frame interval or more
// after the last paint is painted at once, with everything held: so a slow
// pointer sees no delay, and a fast one is painted by its own moves, once a
// frame, with no wake-up of its own. The other moves are held; should no
// move come to paint them, a wake-up does, one frame interval after the
// first of them, so that nothing waits longer than that. Any other change is
// painted at once, with everything held.
class FramePacer
{
  public:
    // Whether a pacer gathers repaints. The program always does; the
    // benchmarks build a second program that paints every move, to measure
    // against.
    enum class Pacing
    {
        OncePerFrame,
        EveryMove
    };

    using Paint = std::function<void(const QRegion&)>;
    explicit FramePacer(Paint paint, Pacing pacing = Pacing::OncePerFrame);
    ~FramePacer();

    void setClock(std::unique_ptr<FrameClock> clock);
    // Zero paints every move at once.
    void setFrameInterval(std::chrono::nanoseconds interval) { m_interval = interval; }
    std::chrono::nanoseconds frameInterval() const { return m_interval; }
    // The frame interval of a screen refreshed `hertz` times a second; a
    // screen that does not say (zero or less) counts as 60 Hz.
    static std::chrono::nanoseconds intervalFor(double hertz);

    // What a pointer move changed.
    void moved(const QRegion& changed);
    // What anything else changed.
    void changed(const QRegion& changed);
    // Paints what waits at once.
    void flush() { changed(QRegion()); }
    // What waits for the end of the frame.
    const QRegion& held() const { return m_held; }

    Pacing pacing() const { return m_pacing; }

  private:
    void paint(const QRegion& region);
    void frameDue();

    Paint m_paint;
    Pacing m_pacing;
    std::unique_ptr<FrameClock> m_clock;
    std::chrono::nanoseconds m_interval;
    // When the last paint was asked for; far in the past before the first.
    std::chrono::nanoseconds m_lastPaint;
    QRegion m_held;
    bool m_waiting = false;
};

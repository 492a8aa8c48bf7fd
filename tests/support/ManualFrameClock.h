// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "canvas/FramePacer.h"

// A frame clock that stands still until a test moves it; the wake-up asked
// for runs when the clock is moved to or past it.
class ManualFrameClock : public FrameClock
{
  public:
    std::chrono::nanoseconds now() const override { return m_now; }
    void wakeAfter(std::chrono::nanoseconds delay, std::function<void()> due) override
    {
        m_wake = m_now + delay;
        m_due = std::move(due);
    }
    void cancelWake() override
    {
        m_wake.reset();
        m_due = {};
    }

    void advance(std::chrono::nanoseconds by)
    {
        m_now += by;
        if (m_wake && *m_wake <= m_now) {
            m_wake.reset();
            std::exchange(m_due, {})();
        }
    }
    // When the wake-up asked for is due, if one is.
    std::optional<std::chrono::nanoseconds> wake() const { return m_wake; }

  private:
    std::chrono::nanoseconds m_now{1'000'000'000};
    std::optional<std::chrono::nanoseconds> m_wake;
    std::function<void()> m_due;
};

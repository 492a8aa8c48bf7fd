// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QRect>
#include <QRegion>
#include <QString>

#include "canvas/BlockMask.h"

// Tells a listener of every area whose look on screen changed. Changes made
// while a batch is open wait, as blocks of BlockMask::kBlock pixels, and are
// told once when the last batch closes: a pointer move that wipes a preview
// and draws a crosshair and four mirror images asks for one repaint. A hidden
// surface has nothing on screen, and reports nothing.
//
// Its invariant, tested by checkInvariants(): outside every batch each change
// has been told, so no block and no transient drawing waits.
class ChangeReport
{
  public:
    explicit ChangeReport(QSize size);

    void setListener(std::function<void(const QRegion&)> listener) { m_listener = std::move(listener); }
    void setShown(bool shown) { m_shown = shown; }
    void resize(QSize size) { m_waiting = BlockMask(size); }
    QSize area() const { return m_waiting.area(); }

    void changed(const QRect& r);
    // Areas told as one region.
    void changed(const std::vector<QRect>& areas);
    // The transient blocks, about to be wiped, are changed.
    void wiped(const BlockMask& transient);

    void openBatch() { ++m_batches; }
    // Tells what waited when the last batch closes; `transient` holds the
    // transient drawing of the batch.
    void closeBatch(const BlockMask& transient);
    bool inBatch() const { return m_batches > 0; }
    // Transient drawing in a batch is told with the batch, from the
    // transient blocks as they are when it closes.
    void transientDrawnInBatch() { m_transientDrawn = true; }

    QString checkInvariants() const;

  private:
    bool heard() const { return m_listener && m_shown; }
    void tell(const BlockMask* transient);

    std::function<void(const QRegion&)> m_listener;
    bool m_shown = true;
    // The areas changed and not yet told: a figure's ink, or everything
    // since the first of the open batches.
    BlockMask m_waiting;
    int m_batches = 0;
    bool m_transientDrawn = false;
};

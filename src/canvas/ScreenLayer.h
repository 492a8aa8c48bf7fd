// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QImage>
#include <QRect>
#include <QString>

#include "canvas/BlockMask.h"

// What the screen shows while drawing goes on that is not kept: the
// persistent image with the transient drawing over it, and the blocks where
// the two differ. Wiping the transient drawing restores those blocks from the
// persistent image, so it costs the area drawn, never the whole image. The
// layer is made at the first transient drawing and held from then on.
//
// Its invariant, tested by checkInvariants(): the layer, when held, has the
// size and format of the full persistent image, which is then held too, and
// equals it pixel for pixel outside the transient blocks. Without a layer no
// block is transient.
class ScreenLayer
{
  public:
    explicit ScreenLayer(QSize size);

    // How refresh wipes the layer: by the areas drawn since the last one, or
    // by copying the whole persistent image, the plain way that the
    // benchmarks measure the first against.
    enum class RefreshMode
    {
        DrawnAreas,
        WholeImage
    };
    void setRefreshMode(RefreshMode mode) { m_refreshMode = mode; }
    RefreshMode refreshMode() const { return m_refreshMode; }

    bool isHeld() const { return !m_screen.isNull(); }
    const QImage& image() const { return m_screen; }
    const BlockMask& transient() const { return m_transient; }
    qsizetype bytes() const { return m_screen.sizeInBytes(); }

    // Transient drawing: the layer, made as a copy of `under` if not held,
    // and marking the areas drawn on it.
    QImage& drawOn(const QImage& under);
    void drawn(const QRect& pixels) { m_transient.mark(pixels); }
    // Persistent drawing is drawn on the layer as well, when it is held.
    QImage* drawnAlong() { return m_screen.isNull() ? nullptr : &m_screen; }

    // Copies `areas` of `under` to the layer, when held.
    void restore(const QImage& under, const std::vector<QRect>& areas);
    // Copies the transient blocks of `under` to the layer; they stay marked
    // until forgetTransient(), for the change report to read.
    void restoreTransient(const QImage& under);
    void forgetTransient() { m_transient.clear(); }
    // Matches `under` whole; a layer of another size is let go.
    void restoreAll(const QImage& under);
    void drop();
    void resize(QSize size);

    // Describes the first broken invariant against `under` (null when the
    // full persistent image is not held), or is empty. Compares every
    // rowStep-th row from firstRow.
    QString checkInvariants(const QImage& under, int rowStep, int firstRow) const;

  private:
    QImage m_screen;
    // Where the layer differs from the persistent image.
    BlockMask m_transient;
    RefreshMode m_refreshMode = RefreshMode::DrawnAreas;
};

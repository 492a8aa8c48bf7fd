// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FloodFill.h"
#include "canvas/Surface.h"

// The fill finds its region only once painting is over, so it cannot go
// through draw(): the bookkeeping is the same, done after the pixels.
void Surface::floodFill(QPointF at)
{
    const QPoint seed = toPixel(at);
    if (!rect().contains(seed))
        return;
    const QRgb paint = toQColor(m_fillColor).rgb();
    QRect painted;
    if (m_autoRedraw && !m_shown) {
        // A hidden surface fills its tiles where they lie, with no full image
        // made for it: the copy a reader may have left is dropped.
        m_image = QImage();
        painted = floodFillTiles(m_tiles, seed, paint);
        if (painted.isEmpty())
            return;
    } else if (m_autoRedraw) {
        persistentImage();
        // The screen may carry transient drawing over the image; filling it
        // from its own colours could reach elsewhere, so it takes the image's
        // region, pixel for pixel.
        painted = m_screen.isNull() ? ::floodFill(m_image, seed, paint)
                                    : floodFillBoth(m_image, m_screen, seed, paint);
        m_stale.mark(painted);
        if (painted.isEmpty())
            return;
    } else {
        if (!m_shown)
            return;
        if (m_screen.isNull())
            m_screen = persistentImage().copy();
        painted = ::floodFill(m_screen, seed, paint);
        if (painted.isEmpty())
            return;
        m_transient.mark(painted);
    }
    changed(painted);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/FillTool.h"

#include <cmath>
#include <cstdint>

#include "canvas/Surface.h"
#include "core/EditorState.h"

namespace {

// Twips to the whole pixel they fall in, rounded down, as a 32-bit integer.
std::int32_t toWholePixel(std::int32_t twips, double twipsPerPixel)
{
    const double pixels = std::floor(double(twips) / twipsPerPixel);
    if (!(pixels >= INT32_MIN && pixels <= INT32_MAX))
        throw OverflowError();
    return std::int32_t(pixels);
}

} // namespace

// The point is worked out before either surface is touched, so that a point
// that cannot be one leaves both in twips and in the chosen pattern. It stays
// local: the pointer keeps its twips, so a second click at the same place
// fills from the same pixel again.
void commitFill(const EditorState& s, Surface& canvas, Surface& page)
{
    const std::int32_t px = toWholePixel(s.pointerX, canvas.twipsPerPixel());
    const std::int32_t py = toWholePixel(s.pointerY, canvas.twipsPerPixel());
    canvas.setScaleMode(Surface::ScaleMode::Pixels);
    page.setScaleMode(Surface::ScaleMode::Pixels);
    canvas.setFillStyle(0);
    page.setFillStyle(0);
    canvas.floodFill(QPointF(px, py));
    page.floodFill(QPointF(px, py));

    canvas.setScaleMode(Surface::ScaleMode::Twips);
    page.setScaleMode(Surface::ScaleMode::Twips);
    canvas.setFillStyle(s.fillPattern);
    page.setFillStyle(s.fillPattern);
}

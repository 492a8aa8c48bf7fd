// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/ColourChooser.h"

#include <optional>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PlatformServices.h"

void splitColour(std::int32_t colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue)
{
    red = colour & 0xFF;
    green = (colour / 256) & 0xFF;
    blue = (colour / 65536) & 0xFF;
}

void chooseColour(EditorState& state, Surface& canvas, Surface& page, PlatformServices& services)
{
    const std::optional<Colour> chosen = services.chooseColour(state.colour());
    if (!chosen)
        return;
    canvas.setFillColor(*chosen);
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    splitColour(std::int32_t(*chosen), red, green, blue);
    state.colourRed = red;
    state.colourGreen = green;
    state.colourBlue = std::int16_t(blue);
    // The fill colour is formed again from the stored parts, the way every
    // drawing call forms its colour.
    const Colour fill = state.colour();
    canvas.setFillColor(fill);
    page.setFillColor(fill);
}

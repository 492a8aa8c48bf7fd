// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

struct EditorState;
class PlatformServices;
class Surface;

// The red, green and blue parts of a packed colour (red in the low byte):
// colour AND 0xFF, (colour / 256) AND 0xFF and (colour / 65536) AND 0xFF, the
// divisions truncating toward zero.
void splitColour(std::int32_t colour, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// Lets the user choose the drawing colour in the colour dialog, which starts
// at the current one. A confirmed colour, changed or not, becomes the drawing
// colour of every tool and the fill colour of the canvas and of the current
// page (and of no other page); a cancelled dialog changes nothing.
void chooseColour(EditorState& state, Surface& canvas, Surface& page, PlatformServices& services);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct EditorState;
class Surface;

// The paint bucket: fills the region around the pointer on the canvas and
// then on the page, each from the colour it finds there, solid in each
// surface's FillColor whatever fill pattern is chosen; the chosen pattern is
// back on both surfaces afterwards.
//
// The pointer position is taken to whole pixels (rounded down) for the fill
// only; the state keeps it in twips. A point outside the canvas fills nothing.
void commitFill(const EditorState& state, Surface& canvas, Surface& page);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct EditorState;
class Surface;

// The tools that paint into the drawing while the button is held: dots,
// freehand strokes and the eraser. Each piece goes to the canvas and then to
// the current page, pair by pair; the release commits nothing more.

void paintDots(EditorState& state, Surface& canvas, Surface& page);
void paintFreehand(EditorState& state, Surface& canvas, Surface& page);
void paintEraser(const EditorState& state, Surface& canvas, Surface& page);

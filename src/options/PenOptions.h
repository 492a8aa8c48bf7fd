// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QPointF>

#include "pages/PageSwitch.h"

struct EditorState;
class PictureButton;
class QLabel;
class Surface;

// The line-width, fill-pattern and eraser-size bars and the palette strip.
// Widths and patterns go to the canvas and to every page, so that whatever
// page is shown later draws alike; the palette's colours go to the canvas and
// the current page only.

// Width button i: a pen of i + 1 pixels. The button turns green; a button
// that was green turns white, and the others keep their colour.
void chooseLineWidth(EditorState& state, const std::array<PictureButton*, 14>& widthBar, int index,
                     Surface& canvas, std::array<Surface, kPageCount>& pages);

// Pattern button i: FillStyle i for the interiors of closed figures.
void chooseFillPattern(EditorState& state, int index, Surface& canvas,
                       std::array<Surface, kPageCount>& pages);

// Eraser button i: a square of half side 25 i + 20 twips.
void chooseEraserSize(EditorState& state, int index);

// A pick on the palette strip at `at` (in the strip's own coordinates): the
// very pixel's colour becomes the drawing colour, and the fill and fore colour
// of the canvas and of the current page and the colour of the text preview.
// A point off the strip picks nothing and returns false.
bool pickPaletteColour(EditorState& state, const Surface& strip, QPointF at, Surface& canvas, Surface& page,
                       QLabel& preview);

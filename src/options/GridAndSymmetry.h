// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include <QSizeF>

struct EditorState;
class PictureButton;
class Surface;

// The grid-size bar and the symmetry bar. A chosen grid size is shown by its
// green button; each mirroring is on while its symmetry button is green, and
// the colour is what is read back to toggle it.

using GridSizeBar = std::array<PictureButton*, 8>;
using SymmetryBar = std::array<PictureButton*, 4>;

// Grid-size button `index` (0..7): marks the button, turns snapping on with a
// step of (index + 1) * 50 twips, puts the mirror axes on the grid point
// nearest the canvas's centre, shows the current page with the grid dots on
// the canvas, and remembers the choice for snapping on again later.
// `canvasTwips` is the canvas control's size. Raises std::out_of_range for an
// index outside the bar.
void chooseGridSize(EditorState& state, GridSizeBar& bar, int index, QSizeF canvasTwips, Surface& canvas,
                    const Surface& page);

// The steps of a grid choice, in the order chooseGridSize runs them.

// Whitens the button that was green and paints button `index` green. Buttons
// in any other colour keep it.
void markGridSize(GridSizeBar& bar, int index);

// Sets gridStep for button `index` and puts the axes at the canvas's centre
// taken to that grid.
void setGridStep(EditorState& state, int index, QSizeF canvasTwips);

// Reloads the canvas from the page, which wipes an earlier grid and anything
// else only the canvas showed, then plots a dot in the canvas's ForeColor at
// every multiple of `step` from (0, 0) to both edges inclusive. The dots are on
// the canvas's persistent image, never on the page, so they are gone at the
// next reload and never saved. The canvas is left drawing on its screen layer
// with pen width 1.
void drawGridDots(Surface& canvas, const Surface& page, std::int32_t step, QSizeF canvasTwips);

// Symmetry button `index`: 0 turns the three mirrorings off and paints itself
// green for good; 1, 2 and 3 toggle the vertical, horizontal and central
// mirroring, reading the present state from the button's colour. Any other
// index does nothing.
void chooseSymmetry(EditorState& state, SymmetryBar& bar, int index);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct EditorState;

// The polygon method bar and the curve bar only store the choice; it takes
// effect at the next drag of the polygon or circle tool. Neither marks its
// button. An index that does not fit the value's type raises OverflowError.

// Method `index`: 0 centre to a vertex, 1 vertices on the ellipse of the drag,
// 2 the drag is one side.
void choosePolygonMethod(EditorState& state, int index);

// Sub-mode `index`: 0 full circle, 1 ellipse in the box of the drag, 2 and 3
// upper and lower quarter arcs, 4 and 5 the two kinds of half arc.
void chooseCurveMode(EditorState& state, int index);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct EditorState;
class Surface;

// The two ends of a press-drag-release on the canvas.

// The press: the snapped press point becomes the anchor, with its images
// about both mirror axes.
void pressAnchor(EditorState& state, double x, double y);

// What a release commits for the current tool, each figure drawn first on the
// canvas and then with the same arguments on the page, pair by pair. The
// figures come from the same geometry as the rubber band, so what was last
// previewed is what is committed. Both surfaces must have autoRedraw on.
void commitFigure(EditorState& state, Surface& canvas, Surface& page);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

struct EditorState;
class Surface;

// The line, rectangle and regular polygon tools. Each previews its figure on
// the canvas's screen layer while the button is held and commits the same
// figure at the release, first on the canvas and then with the same arguments
// on the page, pair by pair.

void previewLine(const EditorState& state, Surface& canvas);
void previewRectangle(const EditorState& state, Surface& canvas);

// Constructs the polygon from the anchor, the pointer and the sides box, then
// draws it; with a given side, that side goes first in the canvas's ForeColor.
void previewPolygon(EditorState& state, Surface& canvas, QStringView sidesText);

void commitSegments(const EditorState& state, Surface& canvas, Surface& page);
void commitRectangles(const EditorState& state, Surface& canvas, Surface& page);

// The polygon is drawn from the vertices its last rubber band constructed; it
// has no mirror copies.
void commitPolygon(const EditorState& state, Surface& canvas, Surface& page);

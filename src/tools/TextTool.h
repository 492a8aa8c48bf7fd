// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct EditorState;
class Surface;

// The text tool's commit: the text written with its top-left corner at the
// snapped pointer, on the canvas and then on the page, each in its own font
// and ForeColor. Both surfaces must have AutoRedraw on for the text to stay.
void writeText(const EditorState& state, Surface& canvas, Surface& page, const QString& text);

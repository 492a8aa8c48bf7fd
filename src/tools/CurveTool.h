// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct EditorState;
class Surface;

// The circle family: the rubber band of the current sub-mode with its mirror
// copies, and the same figures committed at the release.
void previewCurve(EditorState& state, Surface& canvas);
void commitCurve(const EditorState& state, Surface& canvas, Surface& page);

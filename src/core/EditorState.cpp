// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EditorState.h"

#include <cmath>

void applyStartValues(EditorState& state)
{
    state.mirrorVertical = true;
    state.gridStep = 1;
    state.gridSizeIndex = 5;
    state.toolMode = Tool::Freehand;
    state.dotRadius = 50;
    state.currentPage = 0;
    state.lineWidth = 5;
    state.polygonMethod = 0;
    state.piValue = 4 * std::atan(1.0);
}

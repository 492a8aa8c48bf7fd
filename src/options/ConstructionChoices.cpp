// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/ConstructionChoices.h"

#include "core/EditorState.h"

void choosePolygonMethod(EditorState& s, int index)
{
    s.polygonMethod = nearest16(index);
}

// The sub-mode is held as a byte.
void chooseCurveMode(EditorState& s, int index)
{
    if (index < 0 || index > 255)
        throw OverflowError();
    s.curveSubMode = std::int16_t(index);
}

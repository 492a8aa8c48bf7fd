// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TextTool.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"

void writeText(const EditorState& s, Surface& canvas, Surface& page, const QString& text)
{
    canvas.setCurrentX(s.pointerX);
    canvas.setCurrentY(s.pointerY);
    page.setCurrentX(s.pointerX);
    page.setCurrentY(s.pointerY);
    canvas.print(text);
    page.print(text);
}

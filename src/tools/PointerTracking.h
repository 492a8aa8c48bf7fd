// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct EditorState;
class Surface;

// One pointer move over the canvas: wipe the previous transient drawing, snap
// the pointer, draw the crosshair and, with a button held, what the current
// tool shows or paints. `page` is the current page buffer; `text` is what the
// text entry holds, shown at the pointer in the text tool; `sidesText` is what
// the polygon's sides box holds.
void trackPointer(EditorState& state, Surface& canvas, Surface& page, int buttons, double x, double y,
                  const QString& text, const QString& sidesText);

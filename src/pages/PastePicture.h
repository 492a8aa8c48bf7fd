// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QImage>

#include "canvas/Picture.h"
#include "pages/History.h"

struct EditorState;
class Surface;

// `page` with `picture` laid over its top-left corner, clipped to the page;
// the rest of the page is kept, and every tile the picture does not reach is
// shared with `page`.
Picture withPictureLaid(const Picture& page, const QImage& picture);

// Pastes `picture` onto the current page as one step that undo takes back:
// the page goes into its history first, as at a release, then the canvas and
// the page both show the page with the picture over its top-left corner. A
// help picture the canvas showed is gone.
void pastePicture(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page,
                  const QImage& picture);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

struct EditorState;
class Surface;

constexpr int kPageCount = 10;

// Shows page `index` on the canvas and makes it the current page. Nothing is
// saved from the page left behind: its buffer already holds every committed
// figure. The canvas is reloaded even when the page is the one shown, which
// takes away whatever only the canvas showed (a help picture, a grid).
void showPage(EditorState& state, Surface& canvas, const std::array<Surface, kPageCount>& pages, int index);

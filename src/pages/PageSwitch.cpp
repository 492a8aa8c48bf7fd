// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/PageSwitch.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"

void showPage(EditorState& state, Surface& canvas, const std::array<Surface, kPageCount>& pages, int index)
{
    canvas.setPicture(pages.at(size_t(index)).image());
    state.currentPage = std::uint8_t(index);
    state.highlightedPage = std::uint8_t(index);
}

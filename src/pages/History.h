// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "canvas/Picture.h"

struct EditorState;
class Surface;

constexpr int kHistorySlots = 7;

// One page's history: the seven hidden image holders used as a ring, and the
// steps that redo can take back. (The member is not called "slots": Qt takes
// that word for a keyword.)
struct HistoryRing
{
    std::array<Picture, kHistorySlots> slot;

    // What an undo step took away: the page as it was before the step, and
    // whether a snapshot was fresh then.
    struct RedoStep
    {
        Picture page;
        bool fresh = false;
    };
    // The undo steps taken since the page's last release, newest last.
    std::vector<RedoStep> redo;
    // The picture the last undo or redo step set, and the page it left; while
    // the page still holds exactly that, the steps above can be redone.
    Picture stepPicture;
    Picture stepPage;
};

// The ring's slot arithmetic: one step forward or back, wrapping only when the
// result lands exactly one past either end.
std::int16_t nextHistorySlot(std::int16_t slot);
std::int16_t previousHistorySlot(std::int16_t slot);

// Every release on the canvas calls this before it draws: the current page's
// image goes into its ring at the page's position, which then moves on. A new
// figure ends what could be redone on the page.
void recordHistory(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& page);

// Steps the current page back one snapshot and shows it on the canvas and the
// page. The first step after a release first stores the page as it now is, so
// that stepping round the whole ring comes back to it. The page as it was
// before the step is kept for redo.
void undoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page);

// Takes back the current page's last undo step: the ring's position moves on
// again and the canvas and the page show what they showed before that step.
// Does nothing when no step is left, or when the page has changed since the
// last undo or redo step (cleared, opened, drawn on).
void redoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page);

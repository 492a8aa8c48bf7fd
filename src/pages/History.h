#pragma once

#include <array>
#include <cstdint>

#include "canvas/Picture.h"

struct EditorState;
class Surface;

constexpr int kHistorySlots = 7;

// The seven hidden image holders of one page, used as a ring. (The member is
// not called "slots": Qt takes that word for a keyword.)
struct HistoryRing
{
    std::array<Picture, kHistorySlots> slot;
};

// The ring's slot arithmetic: one step forward or back, wrapping only when the
// result lands exactly one past either end.
std::int16_t nextHistorySlot(std::int16_t slot);
std::int16_t previousHistorySlot(std::int16_t slot);

// Every release on the canvas calls this before it draws: the current page's
// image goes into its ring at the page's position, which then moves on.
void recordHistory(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& page);

// Steps the current page back one snapshot and shows it on the canvas and the
// page. The first step after a release first stores the page as it now is, so
// that stepping round the whole ring comes back to it.
void undoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page);

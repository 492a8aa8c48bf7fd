// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/History.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "core/NumericRules.h"

std::int16_t nextHistorySlot(std::int16_t slot)
{
    const std::int16_t next = add16(slot, 1);
    return next == kHistorySlots ? 0 : next;
}

std::int16_t previousHistorySlot(std::int16_t slot)
{
    const std::int16_t previous = sub16(slot, 1);
    return previous == -1 ? kHistorySlots - 1 : previous;
}

namespace {

// A surface hands out the very same tiles until something is drawn on it or
// set on it, so sharing every tile means holding the same pixels.
bool sameTiles(const Picture& a, const Picture& b)
{
    return a.isNull() ? b.isNull() : sharedTileCount(a, b) == a.tileCount();
}

// Whatever changed the page since the last undo or redo step (a clear, an
// open, a stroke) ends what can be redone on it.
void dropStaleRedo(HistoryRing& ring, const Surface& page)
{
    if (!ring.redo.empty() && !sameTiles(page.image(), ring.stepPage))
        ring.redo.clear();
}

void showStep(HistoryRing& ring, const Picture& picture, Surface& canvas, Surface& page)
{
    canvas.setPicture(picture);
    page.setPicture(picture);
    ring.stepPicture = picture;
    ring.stepPage = page.image();
}

} // namespace

// A position outside the ring names a slot that does not exist: at() makes
// that an error that abandons the handler instead of writing out of bounds.
void recordHistory(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& page)
{
    const std::uint8_t p = state.currentPage;
    std::int16_t& position = state.historyPosition.at(p);
    HistoryRing& ring = rings.at(p);
    ring.slot.at(size_t(position)) = page.image();
    position = nextHistorySlot(position);
    state.historyFresh = true;
    ring.redo.clear();
    ring.stepPicture = ring.stepPage = Picture();
}

// A page still as the last step left it is kept as the picture that step set:
// stepping round empty slots then keeps no grid of tiles per step.
void undoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page)
{
    const std::uint8_t p = state.currentPage;
    std::int16_t& position = state.historyPosition.at(p);
    HistoryRing& ring = rings.at(p);
    Picture& newest = ring.slot.at(size_t(position));
    dropStaleRedo(ring, page);
    const Picture before = page.image();
    const HistoryRing::RedoStep step{sameTiles(before, ring.stepPage) ? ring.stepPicture : before,
                                     state.historyFresh};
    if (state.historyFresh) {
        newest = before;
        state.historyFresh = false;
    }
    position = previousHistorySlot(position);
    const Picture snapshot = ring.slot.at(size_t(position));
    ring.redo.push_back(step);
    showStep(ring, snapshot, canvas, page);
}

// A redo sets the fresh flag again when its undo step cleared it. A flag that
// was clear then is left as it is now: a release on another page may have set
// it since, and clearing it would keep that page's newest figure out of its
// ring.
void redoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page)
{
    const std::uint8_t p = state.currentPage;
    std::int16_t& position = state.historyPosition.at(p);
    HistoryRing& ring = rings.at(p);
    dropStaleRedo(ring, page);
    if (ring.redo.empty())
        return;
    const HistoryRing::RedoStep step = ring.redo.back();
    position = nextHistorySlot(position);
    ring.redo.pop_back();
    if (step.fresh)
        state.historyFresh = true;
    showStep(ring, step.page, canvas, page);
}

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

// A position outside the ring names a slot that does not exist: at() makes
// that an error that abandons the handler instead of writing out of bounds.
void recordHistory(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& page)
{
    const std::uint8_t p = state.currentPage;
    std::int16_t& position = state.historyPosition.at(p);
    rings.at(p).slot.at(size_t(position)) = page.image();
    position = nextHistorySlot(position);
    state.historyFresh = true;
}

void undoStep(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page)
{
    const std::uint8_t p = state.currentPage;
    std::int16_t& position = state.historyPosition.at(p);
    HistoryRing& ring = rings.at(p);
    if (state.historyFresh) {
        ring.slot.at(size_t(position)) = page.image();
        state.historyFresh = false;
    }
    position = previousHistorySlot(position);
    const Picture snapshot = ring.slot.at(size_t(position));
    canvas.setPicture(snapshot);
    page.setPicture(snapshot);
}

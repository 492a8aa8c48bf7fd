#pragma once

#include <exception>

// No exception may cross the event loop. A handler runs its body through this:
// a failing step (an overflow, say) abandons the rest of the handler and the
// program carries on.
template <typename Body> void runHandler(Body&& body) noexcept
{
    try {
        body();
    } catch (const std::exception&) {
    }
}

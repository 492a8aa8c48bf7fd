// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <utility>

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

// The main command bar goes on with its next statement after a failing one:
// each of its statements runs through this. A failure inside a procedure it
// calls ends that procedure only.
template <typename Statement> void attempt(Statement&& statement) noexcept
{
    runHandler(std::forward<Statement>(statement));
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Asks a window on the X server `display` to close, as a window manager's
// close button does: a WM_PROTOCOLS client message carrying WM_DELETE_WINDOW,
// sent to the window with the id xdotool gives (a decimal number). False
// when the display cannot be opened or the message not sent.
bool requestClose(const QString& display, const QString& windowId);

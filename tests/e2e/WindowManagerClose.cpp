// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "e2e/WindowManagerClose.h"

// Xlib's macros (Bool, Status, None...) clash with Qt's names, so Xlib is
// used in this file only.
#include <X11/Xlib.h>

bool requestClose(const QString& display, const QString& windowId)
{
    bool ok = false;
    const Window window = windowId.toULong(&ok);
    if (!ok)
        return false;
    Display* connection = XOpenDisplay(display.toLocal8Bit().constData());
    if (!connection)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(connection, window, False, NoEventMask, &event) != 0;
    XFlush(connection);
    XCloseDisplay(connection);
    return sent;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "e2e/XServer.h"

// The built program on a Catalan desktop: its own dialogs speak Catalan.
TEST(LanguageProgramTest, OnACatalanDesktopCtrlSOpensTheSaveDialogInCatalan)
{
    XSession session;
    session.setLang(QStringLiteral("ca_ES.UTF-8"));
    ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
    session.waitForFirstPaint();
    const auto shown = [&](const char* title) {
        return !session
                    .xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), QString::fromUtf8(title)})
                    .isEmpty();
    };
    session.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+s")});
    EXPECT_TRUE(XSession::waitFor([&] { return shown("^Desa com a"); }))
        << "no save dialog titled \"Desa com a\"";
    EXPECT_FALSE(shown("^Guardar como")) << "the save dialog spoke Spanish";
    session.xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(XSession::waitFor([&] { return !shown("^Desa com a"); })) << "the dialog stayed open";
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the language the program chooses for the environment it is started
// in. The desktop's languages are read once per process, so a test that
// tries several environments starts this once for each.

#include <cstdio>

#include <QCoreApplication>

#include "app/Translations.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%s\n", qPrintable(Translations::systemLanguage()));
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the files to open onto the pages, or a
// text to print and the code to end with (--help, --version, a mistake).
struct CommandLine
{
    QStringList files;
    // Whether the program ends at once with `exitCode`, after printing
    // `text` on standard output, or on standard error when `toError`.
    bool exits = false;
    int exitCode = 0;
    QString text;
    bool toError = false;
};

// Reads the program's arguments, the program's name first:
//   lienzo [FICHERO...]   each file onto a page, the first onto page 1
//   lienzo --help | -h    the usage, exit 0
//   lienzo --version | -v the version, exit 0
// An unknown option gives the usage on standard error and exit code 2. A
// "--" ends the options, so that a file whose name starts with "-" opens.
CommandLine parseCommandLine(const QStringList& arguments);

// The usage text that --help prints.
QString usageText();

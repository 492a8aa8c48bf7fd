// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#ifndef LIENZO_VERSION
#define LIENZO_VERSION "0"
#endif

namespace {

constexpr int kUsageError = 2;

} // namespace

QString usageText()
{
    return QCoreApplication::translate(
        "CommandLine", "Uso: lienzo [FICHERO...]\n"
                       "Programa de dibujo. Abre cada fichero en una página: el primero en la\n"
                       "página 1, el siguiente en la página 2, y así hasta la página 10.\n"
                       "\n"
                       "Opciones:\n"
                       "  -h, --help     muestra esta ayuda y termina\n"
                       "  -v, --version  muestra la versión y termina\n");
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("ficheros"), QString(), QStringLiteral("[FICHERO...]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exits = true;
        line.exitCode = kUsageError;
        line.toError = true;
        line.text = QCoreApplication::translate("CommandLine", "lienzo: opción desconocida: %1\n\n%2")
                        .arg(parser.unknownOptionNames().join(QStringLiteral(", ")), usageText());
        return line;
    }
    if (parser.isSet(help)) {
        line.exits = true;
        line.text = usageText();
    } else if (parser.isSet(version)) {
        line.exits = true;
        line.text = QStringLiteral("Lienzo %1\n").arg(QStringLiteral(LIENZO_VERSION));
    } else {
        line.files = parser.positionalArguments();
    }
    return line;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Translations.h"

// The benchmarks build this file a second time with LIENZO_FRAME_PACING=0,
// as a program that repaints the canvas at every pointer move, to measure
// the program against. The program itself always gathers repaints by frame.
#ifndef LIENZO_FRAME_PACING
#define LIENZO_FRAME_PACING 1
#endif

namespace {

int printAndExit(const CommandLine& line)
{
    std::FILE* stream = line.toError ? stderr : stdout;
    std::fputs(line.text.toLocal8Bit().constData(), stream);
    return line.exitCode;
}

} // namespace

int main(int argc, char* argv[])
{
    // Help and the version need no screen, so they are answered before the
    // application connects to one. Anything that does not read here (Qt's
    // own options among it) is read again once Qt has taken its own.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QFile::decodeName(argv[i]);
    if (const CommandLine early = parseCommandLine(raw); early.exits && early.exitCode == 0) {
        QCoreApplication core(argc, argv);
        Translations::install(core, Translations::systemLanguage());
        return printAndExit(parseCommandLine(raw));
    }

    QApplication app(argc, argv);
    // The desktop's language when it is Catalan, Galician or Basque, Spanish
    // otherwise; set before any window or message makes its texts.
    Translations::install(app, Translations::systemLanguage());
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exits)
        return printAndExit(line);
    QApplication::setApplicationName(QStringLiteral("Lienzo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lienzo"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lienzo.Lienzo"));

    QScreen* screen = QGuiApplication::primaryScreen();
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
    const QRect area = screen->geometry();
    MainWindow window(QSizeF(area.width(), area.height()) * twipsPerPixel, twipsPerPixel, nullptr,
                      LIENZO_FRAME_PACING ? FramePacer::Pacing::OncePerFrame : FramePacer::Pacing::EveryMove);
    // The window is placed over the whole screen before it is shown, which
    // covers the screen even without a window manager; with one, the full
    // screen state also keeps panels from standing over it.
    window.move(area.topLeft());
    if (!line.files.isEmpty())
        window.startWithFiles(line.files);
    window.showFullScreen();
    // A drawing left by a program that did not end normally is offered, or
    // the files' messages are shown, once the window stands behind them.
    QTimer::singleShot(0, &window, &MainWindow::windowShown);
    return app.exec();
}

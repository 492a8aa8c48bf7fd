// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the start-up art for the buttons of a screen of 96 dots per inch, the
// usual one, into the file the build compiles into the program, so that the
// program reads it rather than drawing it each time it starts.
//
//   lienzo_bake_art OUTPUT

#include <cstdio>

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include "app/Artwork.h"
#include "app/MainWindow.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lienzo_bake_art OUTPUT\n");
        return 2;
    }
    const QSize button = MainWindow::barButtonPixels(15.0);
    const QByteArray bytes = Artwork::startupArtBytes(Artwork::drawStartupArt(button), button);
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "lienzo_bake_art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/Translations.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lienzo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lienzo"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lienzo.Lienzo"));
    installSpanishTranslations(app);

    QScreen* screen = QGuiApplication::primaryScreen();
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
    const QRect area = screen->geometry();
    MainWindow window(QSizeF(area.width(), area.height()) * twipsPerPixel, twipsPerPixel);
    // The window is placed over the whole screen before it is shown, which
    // covers the screen even without a window manager; with one, the full
    // screen state also keeps panels from standing over it.
    window.move(area.topLeft());
    window.showFullScreen();
    // A drawing left by a program that did not end normally is offered once
    // the window stands behind the question.
    QTimer::singleShot(0, &window, &MainWindow::offerRecovery);
    return app.exec();
}

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "app/Form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lienzo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lienzo"));

    // The standard dialogs and buttons speak Spanish.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    QScreen* screen = QGuiApplication::primaryScreen();
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInch();
    const QRect area = screen->geometry();
    Form1 window(QSizeF(area.width(), area.height()) * twipsPerPixel, twipsPerPixel);
    // Setting the geometry before showing covers the screen with or without a
    // window manager; the layout may make the window larger on a tiny screen.
    window.move(area.topLeft());
    window.show();
    return app.exec();
}

#include <QApplication>
#include <QScreen>

#include "app/Form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lienzo"));
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    Form1 window(1440.0 / dpi);
    window.resize(1024, 768);
    window.show();
    return app.exec();
}

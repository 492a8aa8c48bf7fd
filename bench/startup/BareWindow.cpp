// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare Qt window that shows one full-screen image: the floor that the
// program's start-up time is measured against.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    QLabel label;
    label.setWindowTitle(QStringLiteral("Bare"));
    label.setPixmap(QPixmap::fromImage(image));
    label.setGeometry(area);
    label.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's SVG icon to a square PNG of a given size, so that the
// hicolor theme gets crisp bitmaps at the sizes menus and panels ask for.
//
//   lienzo_render_icon SOURCE.svg SIZE OUTPUT.png

#include <cstdio>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

namespace {

// Draws the whole picture into a transparent square, keeping its aspect ratio
// and centring it when it is not square itself.
QImage render(QSvgRenderer& svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSizeF picture = svg.defaultSize();
    picture.scale(size, size, Qt::KeepAspectRatio);
    const QRectF target(QPointF((size - picture.width()) / 2, (size - picture.height()) / 2), picture);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, target);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; the offscreen platform lets the tool run on a
    // build machine without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE.svg SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeRead);
    if (!svg.isValid() || !sizeRead || size < 1 || size > 4096) {
        std::fprintf(stderr, "%s: cannot read %s or size %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    if (!render(svg, size).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}

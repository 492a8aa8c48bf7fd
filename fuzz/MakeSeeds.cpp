// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpora under the folder given (fuzz/corpus): a few small
// valid inputs of each kind an entry reads, made here by the program's own
// writers, Qt's and the tests' byte builders.
//   fuzz_make_seeds fuzz/corpus
#include <cstdio>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "canvas/Picture.h"
#include "files/PngEncoder.h"
#include "files/TileFile.h"
#include "recovery/KeptDrawing.h"
#include "support/GifBytes.h"
#include "support/PictureBytes.h"

namespace {

QString g_root;

void seed(const char* entry, const char* name, const QByteArray& bytes)
{
    const QString folder = g_root + QLatin1Char('/') + QLatin1String(entry);
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/seed-") + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QImage indexed(QSize size, int colours)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb(i * 255 / colours, 255 - i * 255 / colours, (i * 77) % 256);
    image.setColorTable(table);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, uint((x + 2 * y) / 3 % colours));
    return image;
}

QByteArray ownPng(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    encodePng(image, buffer, 1);
    return buffer.data();
}

// A BMP with a 40-byte header, a table of `colours` greys and `data` coded
// with `compression`.
QByteArray bmp(int width, int height, int bits, quint32 compression, const QByteArray& data, int colours)
{
    auto put = [](QByteArray& b, quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char(v >> (8 * i)));
    };
    const quint32 offset = 14 + 40 + 4 * quint32(colours);
    QByteArray b("BM");
    put(b, offset + quint32(data.size()), 4);
    put(b, 0, 4);
    put(b, offset, 4);
    for (quint32 v : {40u, quint32(width), quint32(height)})
        put(b, v, 4);
    put(b, 1, 2);
    put(b, quint32(bits), 2);
    for (quint32 v : {compression, quint32(data.size()), 2835u, 2835u, quint32(colours), 0u})
        put(b, v, 4);
    for (int i = 0; i < colours; ++i)
        put(b, quint32(i * 0x555555 / (colours > 1 ? colours - 1 : 1)), 4);
    return b + data;
}

QByteArray writerInput(int width, int height, int format, int parts, const QByteArray& pixels)
{
    QByteArray b;
    b.append(char((width - 1) & 0xFF));
    b.append(char((width - 1) >> 8));
    b.append(char(height - 1));
    b.append(char(format));
    b.append(char(parts));
    return b + pixels;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <corpus folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    g_root = QFile::decodeName(argv[1]);

    // Pictures, of every kind open takes.
    seed("open_picture", "blocks.bmp", encoded(blocks(QSize(12, 8)), "bmp"));
    seed("open_picture", "indexed.bmp", encoded(indexed(QSize(10, 6), 16), "bmp"));
    seed("open_picture", "mono.bmp", encoded(indexed(QSize(9, 5), 2).convertToFormat(QImage::Format_Mono), "bmp"));
    seed("open_picture", "rle8.bmp",
         bmp(6, 4, 8, 1, QByteArray("\x06\x01\x00\x00\x03\x00\x03\x01\x00\x00\x00\x04\x01\x00\x01\x01\x00\x01", 18), 2));
    seed("open_picture", "rle4.bmp",
         bmp(6, 2, 4, 2, QByteArray("\x06\x12\x00\x00\x00\x06\x10\x32\x10\x00\x00\x01", 12), 4));
    seed("open_picture", "blocks.png", encoded(blocks(QSize(12, 8)), "png"));
    seed("open_picture", "indexed.png", encoded(indexed(QSize(10, 6), 16), "png"));
    QImage clear(7, 5, QImage::Format_ARGB32);
    clear.fill(qRgba(200, 10, 10, 100));
    seed("open_picture", "alpha.png", encoded(clear, "png"));
    seed("open_picture", "own.png", ownPng(busy(QSize(9, 7))));
    seed("open_picture", "busy.jpg", encoded(busy(QSize(16, 16)), "jpeg"));
    seed("open_picture", "grey.jpg", encoded(busy(QSize(8, 8)).convertToFormat(QImage::Format_Grayscale8), "jpeg"));
    seed("open_picture", "dot.gif", redDotGif());
    {
        std::vector<std::uint32_t> colours{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
        std::vector<std::uint8_t> pixels;
        for (int i = 0; i < 8 * 6; ++i)
            pixels.push_back(std::uint8_t(i / 5 % 4));
        seed("open_picture", "stripes.gif",
             gifHeader(QSize(8, 6), colours, 2) + gifFrame(QSize(8, 6), gifLzw(pixels, 2), 2) + gifTrailer());
    }

    // Kept drawings: indexes and page files.
    seed("kept_drawing", "index-one", indexBytes(KeptIndex{3, {3}}));
    seed("kept_drawing", "index-many", indexBytes(KeptIndex{0, {0, 3, 9, 5}}));
    seed("kept_drawing", "index-none", indexBytes(KeptIndex{2, {}}));
    QImage white(64, 64, QImage::Format_RGB32);
    white.fill(Qt::white);
    seed("kept_drawing", "page-white", encodeTiles(Picture::fromImage(white)));
    seed("kept_drawing", "page-blocks", encodeTiles(Picture::fromImage(blocks(QSize(130, 70)))));
    seed("kept_drawing", "page-busy", encodeTiles(Picture::fromImage(busy(QSize(20, 9)))));

    // Pictures for the PNG writer: size, format, parts, then pixel bytes.
    seed("png_writer", "flat", writerInput(40, 30, 0, 1, QByteArray("\xFF\xFF\xFF\x00", 4)));
    seed("png_writer", "ramp", writerInput(33, 17, 1, 2, QByteArray::fromHex("000102030405060708090a0b0c0d0e0f10")));
    seed("png_writer", "rgb888", writerInput(5, 90, 2, 4, QByteArray("\x10\x80\xF0\x33\x66", 5)));
    seed("png_writer", "grey", writerInput(7, 3, 3, 0, QByteArray("\x01\x02\x03", 3)));
    seed("png_writer", "rgb16", writerInput(300, 2, 4, 3, QByteArray("\x1F\xF8\xE0\x07", 4)));
    return 0;
}

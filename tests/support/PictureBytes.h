// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <zlib.h>

// Picture files made on the spot for the tests of saving and opening.

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray encoded(const QImage& image, const char* format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image));
    return buffer.data();
}

// A picture of large single-colour areas, which survive JPG's losses.
inline QImage blocks(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

// A picture with detail everywhere, whose JPG is mostly image data.
inline QImage busy(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x * y * 11) % 256));
    return image;
}

inline bool similar(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 24 && std::abs(qGreen(a) - qGreen(b)) < 24 &&
           std::abs(qBlue(a) - qBlue(b)) < 24;
}

// A 1 x 1 GIF whose one pixel is colour 0 of its table, red; the image data
// codes clear, 0, end in three-bit codes.
inline QByteArray redDotGif()
{
    return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00"
                      "\xFF\x00\x00\xFF\xFF\xFF"
                      "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                      "\x02\x02\x44\x01\x00"
                      "\x3B",
                      6 + 7 + 6 + 10 + 5 + 1);
}

// A PNG whose header claims `size`, with the header's checksum made right,
// so that only the size can refuse it.
inline QByteArray withPngSize(QByteArray png, QSize size)
{
    auto put32 = [&png](qsizetype at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char(v >> (24 - 8 * i));
    };
    put32(16, quint32(size.width()));
    put32(20, quint32(size.height()));
    put32(29, quint32(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17)));
    return png;
}

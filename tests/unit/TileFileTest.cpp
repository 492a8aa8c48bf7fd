// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstring>

#include <QImage>
#include <QtEndian>
#include <zlib.h>

#include "files/TileFile.h"

// Kept page files are read back at start-up from a disk that may have been
// damaged: bytes whose checksum is right but whose layout is not must not
// read either.
namespace {

// 4 x 3 whole tiles: the first has a line, the other eleven are white.
QImage sample()
{
    QImage image(256, 192, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < 60; ++x)
        image.setPixel(x, x / 2, qRgb(0, 0, 0));
    return image;
}

void setWord(QByteArray& bytes, qsizetype at, quint32 value)
{
    value = qToLittleEndian(value);
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

quint32 word(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    std::memcpy(&value, bytes.constData() + at, sizeof value);
    return qFromLittleEndian(value);
}

// The checksum made right again after a change.
void reseal(QByteArray& bytes)
{
    const qsizetype body = bytes.size() - 4;
    setWord(bytes, body, quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(body))));
}

} // namespace

TEST(TileFile, BytesWithARightChecksumButAWrongLayoutDoNotRead)
{
    const QByteArray good = encodeTiles(Picture::fromImage(sample()));
    ASSERT_EQ(decodeTiles(good).value_or(Picture()).toImage(), sample());
    // Magic, version, width, height, tile count, 12 kinds, 11 colours, then
    // the length of the compressed pixels.
    constexpr qsizetype kVersion = 4, kWidth = 8, kCount = 16, kKinds = 20, kLength = kKinds + 12 + 11 * 4;
    ASSERT_EQ(word(good, kLength), quint32(good.size() - kLength - 8));

    struct Change
    {
        const char* name;
        std::function<void(QByteArray&)> apply;
    };
    const Change changes[] = {
        {"another version", [](QByteArray& b) { setWord(b, kVersion, 2); }},
        {"a width the tiles do not fill", [](QByteArray& b) { setWord(b, kWidth, 257); }},
        {"more tiles than the size has", [](QByteArray& b) { setWord(b, kCount, 13); }},
        {"a huge width", [](QByteArray& b) { setWord(b, kWidth, 1u << 30); }},
        {"a white tile said to have pixels", [](QByteArray& b) { b[kKinds + 5] = 1; }},
        {"a longer pixel stream than is there",
         [](QByteArray& b) { setWord(b, kLength, word(b, kLength) + 1); }},
        {"the pixel stream cut short",
         [](QByteArray& b) {
             b.remove(b.size() - 10, 6);
             setWord(b, kLength, word(b, kLength) - 6);
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        QByteArray bytes = good;
        change.apply(bytes);
        reseal(bytes);
        EXPECT_FALSE(decodeTiles(bytes));
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstring>

#include <sys/resource.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <zlib.h>

#include "files/PictureIO.h"
#include "files/TileFile.h"
#include "recovery/KeptDrawing.h"

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

void putWord(QByteArray& bytes, quint32 value)
{
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// A well-formed file of `size` whose every tile is of one colour, the
// colours going round `colours` different ones: a few hundred kilobytes
// that describe a picture as large as the size says.
QByteArray oneColourTiles(QSize size, int colours)
{
    const int count = (size.width() + 63) / 64 * ((size.height() + 63) / 64);
    QByteArray bytes("LZTL");
    for (quint32 word : {1u, quint32(size.width()), quint32(size.height()), quint32(count)})
        putWord(bytes, word);
    bytes.append(count, '\0');
    for (int i = 0; i < count; ++i)
        putWord(bytes, qRgb(i % colours, i % colours / 256, 7));
    // An empty compressed stream: no tile has pixels of its own.
    QByteArray empty(16, '\0');
    uLongf length = uLongf(empty.size());
    compress(reinterpret_cast<Bytef*>(empty.data()), &length, nullptr, 0);
    putWord(bytes, quint32(length));
    bytes.append(empty.constData(), qsizetype(length));
    putWord(bytes, 0);
    reseal(bytes);
    return bytes;
}

// The most memory this process has held so far, in kilobytes.
// ThreadSanitizer's shadow memory grows the peak with every byte touched, so
// the memory bounds are checked only in the other builds.
#ifdef __SANITIZE_THREAD__
constexpr bool kPeakIsOurs = false;
#else
constexpr bool kPeakIsOurs = true;
#endif

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// A kept file is read back at start-up, and ten of them one after another:
// one that claims a page larger than any picture the program opens is
// damaged, and is refused before its tiles take any memory.
TEST(TileFile, APageLargerThanAnOpenedPictureIsRefusedBeforeItTakesMemory)
{
    struct Case
    {
        QSize size;
        bool reads;
    };
    const Case cases[] = {
        {QSize(kMaxPictureSide, kMaxPictureSide), false},
        {QSize(kMaxPictureSide + 1, 64), false},
        // One pixel row over the memory the largest opened picture may take.
        {QSize(8192, 8193), false},
        {QSize(kMaxPictureSide, 4096), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.size.width()).arg(c.size.height()).toStdString());
        const QByteArray bytes = oneColourTiles(c.size, 4096);
        const long before = peakKilobytes();
        const std::optional<Picture> picture = decodeTiles(bytes);
        EXPECT_EQ(picture.has_value(), c.reads);
        EXPECT_EQ(picture.value_or(Picture()).size(), c.reads ? c.size : QSize());
        // 4096 colours are 64 MB of tiles, each made once.
        if (kPeakIsOurs) {
            EXPECT_LT(peakKilobytes() - before, (c.reads ? 96 : 16) * 1024);
        }
    }
}

// A page file larger than the largest page can make is damaged: it is not
// even read into memory.
TEST(TileFile, AKeptPageFileLargerThanTheLargestPageIsNotRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(pageFile(dir.path(), 2));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray start = oneColourTiles(QSize(64, 64), 1);
    file.write(start);
    // The rest is a hole in the file, no disk space and no time to make.
    ASSERT_TRUE(file.resize(largestTileFile() + 1));
    file.close();

    const long before = peakKilobytes();
    const std::array<Picture, kPageCount> pages = readKeptPages(dir.path(), KeptIndex{0, {2}});
    EXPECT_TRUE(pages[2].isNull());
    if (kPeakIsOurs) {
        EXPECT_LT(peakKilobytes() - before, 16 * 1024);
    }
}

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

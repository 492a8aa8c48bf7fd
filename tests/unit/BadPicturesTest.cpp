// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PictureFiles.h"
#include "files/PictureIO.h"
#include "support/DrawnPageTest.h"
#include "support/GifBytes.h"
#include "support/PictureBytes.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

// Damaged, hostile and oddly named picture files opened through the program's
// open command with real surfaces. Each file either becomes the page, at a
// size the program can hold, or is refused with the message and changes
// neither the canvas nor the page.
namespace {

const QString kNotAPicture = QStringLiteral("El fichero seleccionado no es un gráfico soportado");
const QString kCannotOpen = QStringLiteral("No se ha podido abrir el fichero");
constexpr Colour kRed = 0x0000FF;
constexpr qint64 kLimitBytes = qint64(kPictureMemoryLimitMb) * 1024 * 1024;

// The process's resident memory in kilobytes: now, and the most since the
// high-water mark was last reset.
qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Writing 5 to clear_refs resets VmHWM to the present resident size.
bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// A BMP with a 40-byte header, a palette of `paletteEntries` grey levels and
// `data` as its pixels, whatever size the header claims.
QByteArray bmpFile(std::int32_t width, std::int32_t height, int bitsPerPixel, std::uint32_t compression,
                   const QByteArray& data, int paletteEntries = 0)
{
    auto put32 = [](QByteArray& b, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [](QByteArray& b, std::uint32_t v) {
        b.append(char(v & 0xFF));
        b.append(char((v >> 8) & 0xFF));
    };
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(paletteEntries);
    QByteArray b("BM");
    put32(b, offset + std::uint32_t(data.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, std::uint32_t(width));
    put32(b, std::uint32_t(height));
    put16(b, 1);
    put16(b, std::uint32_t(bitsPerPixel));
    put32(b, compression);
    put32(b, std::uint32_t(data.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, std::uint32_t(paletteEntries));
    put32(b, 0);
    for (int i = 0; i < paletteEntries; ++i)
        put32(b, std::uint32_t(i * 0x010101));
    return b + data;
}

// A two-frame GIF of 40 x 30 pixels in sixteen colours: stripes, then a second
// frame that a reader of the first picture never shows.
QByteArray stripesGif()
{
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < 16; ++i)
        colours.push_back(std::uint32_t(i * 0x110000 + (15 - i) * 0x000011 + (i % 4) * 0x004000));
    const QSize size(40, 30);
    std::vector<std::uint8_t> first, second;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            first.push_back(std::uint8_t((x / 3 + y / 5) % 16));
            second.push_back(std::uint8_t((x * y) % 16));
        }
    return gifHeader(size, colours, 4) + gifFrame(size, gifLzw(first, 4), 4) +
           gifFrame(size, gifLzw(second, 4), 4) + gifTrailer();
}

QImage indexedStripes(QSize size)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 16; ++i)
        table << qRgb(i * 16, 255 - i * 16, (i * 77) % 256);
    image.setColorTable(table);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, uint((x + 2 * y) / 4 % 16));
    return image;
}

class BadPictures : public DrawnPageTest
{
  protected:
    // Opens `name` holding `bytes`. True when it became the page; then the
    // picture must be one the program can hold and the canvas must show the
    // page. False when it was refused; then the message was shown and neither
    // surface changed. Between cases the surfaces go back to the drawing.
    bool openChecked(const QString& name, const QByteArray& bytes)
    {
        writeBytes(path(name), bytes);
        return openChecked(path(name));
    }

    bool openChecked(const QString& file)
    {
        services.messages.clear();
        canvas.setPicture(drawing);
        page.setPicture(drawing);
        const QImage before = canvas.persistentImage();
        services.openAnswer = file;
        openPicture(state, canvas, page, services);
        const bool loaded = services.messages.isEmpty();
        if (loaded) {
            const QSize size = page.picture().size();
            EXPECT_FALSE(page.picture().isNull());
            EXPECT_GE(size.width(), 1);
            EXPECT_GE(size.height(), 1);
            EXPECT_LE(size.width(), kMaxPictureSide);
            EXPECT_LE(size.height(), kMaxPictureSide);
            EXPECT_LE(qint64(size.width()) * size.height() * 4, kLimitBytes) << "a picture above the limit";
            EXPECT_EQ(firstDifference(canvas.persistentImage(), page.persistentImage()), QPoint(-1, -1));
        } else {
            EXPECT_EQ(services.messages, QStringList{kNotAPicture});
            EXPECT_EQ(firstDifference(canvas.persistentImage(), before), QPoint(-1, -1));
            EXPECT_EQ(firstDifference(page.persistentImage(), drawing), QPoint(-1, -1));
        }
        return loaded;
    }

    // Opens `count` copies of `original`, each with one to eight bits flipped
    // at random places, and counts how many were taken and how many refused.
    void flipBits(const QString& name, const QByteArray& original, int count, std::uint32_t seed)
    {
        ASSERT_TRUE(openChecked(name, original)) << "the undamaged file must open";
        std::mt19937 random(seed);
        // Half of the flips land in the first 128 bytes, where the headers
        // and colour tables are; the rest anywhere.
        std::uniform_int_distribution<qsizetype> anywhere(0, original.size() - 1);
        std::uniform_int_distribution<qsizetype> head(0, std::min<qsizetype>(127, original.size() - 1));
        std::uniform_int_distribution<int> flips(1, 8), bit(0, 7), coin(0, 1);
        int loaded = 0, refused = 0;
        for (int i = 0; i < count; ++i) {
            QByteArray bytes = original;
            QStringList where;
            for (int n = flips(random); n > 0; --n) {
                const qsizetype at = coin(random) ? head(random) : anywhere(random);
                const int b = bit(random);
                bytes[at] = char(bytes[at] ^ (1 << b));
                where << QStringLiteral("%1:%2").arg(at).arg(b);
            }
            SCOPED_TRACE(QStringLiteral("%1 seed %2 copy %3 flips %4")
                             .arg(name)
                             .arg(seed)
                             .arg(i)
                             .arg(where.join(QLatin1Char(' ')))
                             .toStdString());
            (openChecked(name, bytes) ? loaded : refused) += 1;
            if (HasFailure())
                return;
        }
        // Flips in the pixel data leave a picture, flips in the headers do
        // not: a run that saw only one kind tested half of what it should.
        EXPECT_GT(loaded, 0) << name.toStdString();
        EXPECT_GT(refused, 0) << name.toStdString();
        std::printf("%s: %d of %d damaged copies opened, %d refused\n", qPrintable(name), loaded, count,
                    refused);
    }
};

} // namespace

TEST_F(BadPictures, TheGifCoderOfTheseTestsMakesFilesQtReadsBack)
{
    writeBytes(path("rayas.gif"), stripesGif());
    const std::optional<QImage> read = readPicture(path("rayas.gif"));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), QSize(40, 30));
    // Index (x / 3 + y / 5) % 16 at (31, 12) is 12: colour 0xCC0033 + 0x000000.
    EXPECT_EQ(read->pixel(31, 12) & 0xFFFFFF, 0xCC0033u);
    EXPECT_EQ(read->pixel(0, 0) & 0xFFFFFF, 0x0000FFu) << "index 0: no red, blue 0xFF";
}

TEST_F(BadPictures, BitFlippedBmpsOpenOrAreRefused)
{
    flipBits(QStringLiteral("roto24.bmp"), encoded(busy(QSize(48, 36)), "bmp"), 300, 20240601);
    // Sixteen colours are written four bits to the pixel, with a palette.
    const QByteArray fourBits = encoded(indexedStripes(QSize(50, 20)), "bmp");
    ASSERT_EQ(int(fourBits[28]), 4) << "bits per pixel";
    flipBits(QStringLiteral("roto4.bmp"), fourBits, 300, 20240602);
}

TEST_F(BadPictures, BitFlippedJpgsOpenOrAreRefused)
{
    flipBits(QStringLiteral("roto.jpg"), encoded(busy(QSize(64, 48)), "jpeg"), 400, 20240603);
}

TEST_F(BadPictures, BitFlippedGifsOpenOrAreRefused)
{
    flipBits(QStringLiteral("roto.gif"), stripesGif(), 400, 20240604);
}

// PNG files as editors write them, with a comment beside the picture: a flip
// in the comment costs only the comment, a flip anywhere else fails a
// checksum.
TEST_F(BadPictures, BitFlippedPngsOpenOrAreRefused)
{
    QImage rgb = busy(QSize(48, 36));
    rgb.setText(QStringLiteral("Description"),
                QStringLiteral("Dibujo de prueba hecho en clase, ").repeated(3));
    flipBits(QStringLiteral("roto.png"), encoded(rgb, "png"), 300, 20240605);
    QImage indexed = indexedStripes(QSize(50, 20));
    indexed.setText(QStringLiteral("Comment"), QStringLiteral("Dieciséis colores con paleta. ").repeated(3));
    flipBits(QStringLiteral("paleta.png"), encoded(indexed, "png"), 300, 20240606);
}

TEST_F(BadPictures, ABmpClaimingSixtyThousandPixelsSquareIsRefused)
{
    // Plain rows: the header promises 10 GB of pixels that are not there.
    EXPECT_FALSE(
        openChecked(QStringLiteral("enorme.bmp"), bmpFile(60000, 60000, 24, 0, QByteArray(1024, '\0'))));
    // Run-length coded: a handful of bytes may stand for any size, so only
    // the size itself can refuse it. The data is one run and the end mark.
    const QByteArray runs("\xFF\x01\x00\x01", 4);
    EXPECT_FALSE(openChecked(QStringLiteral("enorme-rle.bmp"), bmpFile(60000, 60000, 8, 1, runs, 2)));
    EXPECT_FALSE(openChecked(QStringLiteral("enorme-rle.bmp"), bmpFile(60000, -60000, 8, 1, runs, 2)));
}

// Run-length coded rows have no fixed length, and a header may give their
// size as 0: the codes themselves must reach the end of the picture. Each
// file is a 6 x 4 picture in a table of two greys, coded row by row, the
// last row ending with the picture's end code.
TEST_F(BadPictures, ARunLengthBmpCutShortIsRefused)
{
    const QByteArray eightBits = QByteArray("\x06\x01\x00\x00", 4).repeated(3) +
                                 QByteArray("\x00\x04\x01\x00\x01\x01\x02\x00\x00\x01", 10);
    const QByteArray fourBits = QByteArray("\x06\x01\x00\x00", 4).repeated(3) +
                                QByteArray("\x00\x06\x10\x10\x10\x00\x00\x01", 8);
    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool opens;
    };
    auto sizeless = [](QByteArray bmp) { return bmp.replace(34, 4, QByteArray(4, '\0')); };
    const QByteArray whole8 = bmpFile(6, 4, 8, 1, eightBits, 2), whole4 = bmpFile(6, 4, 4, 2, fourBits, 2);
    const Case cases[] = {
        {"entero8.bmp", sizeless(whole8), true},
        {"entero4.bmp", sizeless(whole4), true},
        {"cortado8.bmp", sizeless(whole8).chopped(10), false},
        {"cortado4.bmp", sizeless(whole4).chopped(10), false},
        {"sin-final8.bmp", sizeless(whole8).chopped(2), false},
        {"medio8.bmp", sizeless(whole8.left(whole8.size() - eightBits.size() / 2)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(openChecked(QString::fromLatin1(c.name), c.bytes), c.opens) << c.name;
}

// Run-length codes may end a picture early: the pixels they never reach are
// the first colour of the table, never what the memory held before. The
// memory is first filled with pictures of the second colour, and freed.
TEST_F(BadPictures, PixelsARunLengthBmpSkipsAreItsFirstColour)
{
    const QSize size(200, 100);
    for (int round = 0; round < 3; ++round) {
        std::vector<QImage> dirt(20, QImage(size, QImage::Format_Indexed8));
        for (QImage& image : dirt)
            image.fill(1);
        dirt.clear();
        // Two pixels of colour 1 at the start of the bottom row, then the end.
        ASSERT_TRUE(openChecked(QStringLiteral("huecos.bmp"),
                                bmpFile(size.width(), size.height(), 8, 1, QByteArray("\x02\x01\x00\x01", 4), 2)));
        const QImage opened = page.picture().toImage();
        ASSERT_EQ(opened.size(), size);
        int wrong = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                wrong += (opened.pixel(x, y) & RGB_MASK) != (y == 99 && x < 2 ? 0x010101u : 0u);
        EXPECT_EQ(wrong, 0);
    }
}

// A few bytes of eight-bit run-length data can describe a picture just under
// the size limit on each side. Held at 32 bits to the pixel, as every page
// is, it would take a gigabyte: more than the limit a decoder is given.
TEST_F(BadPictures, ASmallFileCannotClaimMoreMemoryThanTheLimit)
{
    const bool tracked = resetPeakMemory();
    const qint64 before = statusKb("VmRSS:");
    const QByteArray runs("\xFF\x01\x00\x01", 4);
    openChecked(QStringLiteral("bomba.bmp"), bmpFile(16000, 16000, 8, 1, runs, 2));
    openChecked(QStringLiteral("bomba4.bmp"), bmpFile(16000, 16000, 4, 2, runs, 2));
    if (tracked && before > 0) {
        EXPECT_LT(statusKb("VmHWM:") - before, kLimitBytes / 1024) << "kB taken at the peak";
    }
}

// The size of a GIF's first frame is all a reader reports before decoding,
// but the decoded picture takes the size of the file's logical screen.
TEST_F(BadPictures, AGifWhoseScreenIsWiderThanTheLimitIsRefused)
{
    const QByteArray dot = gifLzw({0}, 2);
    EXPECT_FALSE(
        openChecked(QStringLiteral("ancha.gif"), gifHeader(QSize(kMaxPictureSide + 1, 2), {0xFF0000}, 2) +
                                                     gifFrame(QSize(1, 1), dot, 2) + gifTrailer()));
    EXPECT_FALSE(openChecked(QStringLiteral("alta.gif"), gifHeader(QSize(2, 40000), {0xFF0000}, 2) +
                                                             gifFrame(QSize(1, 1), dot, 2) + gifTrailer()));
    EXPECT_TRUE(
        openChecked(QStringLiteral("limite.gif"), gifHeader(QSize(kMaxPictureSide, 2), {0xFF0000}, 2) +
                                                      gifFrame(QSize(1, 1), dot, 2) + gifTrailer()));
    EXPECT_EQ(page.picture().size(), QSize(kMaxPictureSide, 2));
}

TEST_F(BadPictures, OnlyTheFirstFrameOfAGifOfThousandsIsRead)
{
    // 3000 frames of 2000 x 2000 pixels: the first red, the rest blue. All of
    // them decoded would be twelve billion pixels; the first is 16 MB.
    const QSize size(2000, 2000);
    const QByteArray coded = gifLzw(std::vector<std::uint8_t>(size_t(size.width() * size.height()), 0), 2);
    QByteArray bomb = gifHeader(size, {0xFF0000, 0x0000FF}, 2) + gifFrame(size, coded, 2);
    for (int i = 1; i < 3000; ++i)
        bomb += gifFrame(size, coded, 2, {0x0000FF, 0xFF0000}, 2);
    bomb += gifTrailer();
    ASSERT_LT(bomb.size(), 64 * 1024 * 1024);

    const bool tracked = resetPeakMemory();
    const qint64 before = statusKb("VmRSS:");
    ASSERT_TRUE(openChecked(QStringLiteral("bomba.gif"), bomb));
    if (tracked && before > 0) {
        EXPECT_LT(statusKb("VmHWM:") - before, kLimitBytes / 1024) << "kB taken at the peak";
    }
    EXPECT_EQ(page.picture().size(), size);
    EXPECT_EQ(countPixels(page.persistentImage(), kRed), kCanvasSize.width() * kCanvasSize.height())
        << "the page shows the first frame only";
}

TEST_F(BadPictures, OpeningSetsTheDecodersMemoryLimitItself)
{
    const int old = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(4096);
    writeBytes(path("a.bmp"), encoded(blocks(QSize(20, 10)), "bmp"));
    EXPECT_TRUE(openChecked(path("a.bmp")));
    EXPECT_EQ(QImageReader::allocationLimit(), kPictureMemoryLimitMb);
    QImageReader::setAllocationLimit(old);
}

TEST_F(BadPictures, NamesWithAccentsAndSpacesOpen)
{
    const QString folder = path(QStringLiteral("Mis dibujos de Begoña"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString names[] = {QStringLiteral("árbol de Ñandú.bmp"), QStringLiteral("canción  en la playa.JPG"),
                             QStringLiteral("ZORRO ÉCIJA über.gif")};
    const QByteArray files[] = {encoded(blocks(kCanvasSize), "bmp"), encoded(blocks(kCanvasSize), "jpeg"),
                                redDotGif()};
    for (int i = 0; i < 3; ++i) {
        const QString file = folder + QLatin1Char('/') + names[i];
        writeBytes(file, files[i]);
        EXPECT_TRUE(openChecked(file)) << file.toStdString();
    }
    EXPECT_TRUE(similar(page.persistentImage().pixel(0, 0), qRgb(255, 0, 0))) << "the GIF's red dot";
}

// The folder goes between the dialog's answer and the reading of the file, as
// when a memory stick is pulled out.
TEST_F(BadPictures, AFileWhoseFolderVanishesBeforeTheOpenIsRefused)
{
    class VanishingFolder : public ScriptedServices
    {
      public:
        QString folder;
        std::optional<QString> openFileName(const FileDialogSpec& spec) override
        {
            const std::optional<QString> answer = ScriptedServices::openFileName(spec);
            QDir(folder).removeRecursively();
            return answer;
        }
    } vanishing;
    vanishing.folder = path(QStringLiteral("memoria"));
    ASSERT_TRUE(QDir().mkpath(vanishing.folder));
    writeBytes(vanishing.folder + QStringLiteral("/foto.bmp"), encoded(blocks(kCanvasSize), "bmp"));
    vanishing.openAnswer = vanishing.folder + QStringLiteral("/foto.bmp");
    const QImage before = canvas.persistentImage();

    openPicture(state, canvas, page, vanishing);
    EXPECT_FALSE(QFileInfo::exists(vanishing.folder));
    EXPECT_EQ(vanishing.messages, QStringList{kCannotOpen});
    EXPECT_EQ(firstDifference(canvas.persistentImage(), before), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(page.persistentImage(), drawing), QPoint(-1, -1));
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files/PictureFiles.h"
#include "files/PictureIO.h"
#include "files/PngEncoder.h"
#include "support/PictureBytes.h"
#include "support/SurfaceCompare.h"

TEST(PictureNames, BmpIsAddedOnlyWhenTheNameDoesNotEndInIt)
{
    EXPECT_EQ(bmpFileName("plan"), "plan.bmp");
    EXPECT_EQ(bmpFileName("plan.bmp"), "plan.bmp");
    EXPECT_EQ(bmpFileName("plan.BMP"), "plan.BMP");
    EXPECT_EQ(bmpFileName("/home/ana/plan.Bmp"), "/home/ana/plan.Bmp");
    EXPECT_EQ(bmpFileName("/home/ana/plan"), "/home/ana/plan.bmp");
    EXPECT_EQ(bmpFileName("plan.bmp.txt"), "plan.bmp.txt.bmp");
    EXPECT_EQ(bmpFileName("planbmp"), "planbmp.bmp");
}

TEST(PictureNames, OpenTakesNamesByTheirLastThreeLettersInAnyCase)
{
    EXPECT_FALSE(isPictureName("foto.jpeg"));
    EXPECT_TRUE(isPictureName("foto.JpG"));
    EXPECT_TRUE(isPictureName("mapa.Bmp"));
    EXPECT_TRUE(isPictureName("/tmp/dibujo.gif"));
    EXPECT_TRUE(isPictureName("xbmp"));
    EXPECT_FALSE(isPictureName("notas.txt"));
    EXPECT_FALSE(isPictureName(""));
}

TEST(PictureNames, PngContentGoesWithAPngNameOnly)
{
    const struct
    {
        const char* name;
        std::optional<PictureKinds> kinds;
    } cases[] = {
        {"foto.png", PictureKinds::Png},       {"FOTO.PnG", PictureKinds::Png},
        {"xpng", PictureKinds::Png},           {"foto.bmp", PictureKinds::BmpJpgGif},
        {"foto.jpg", PictureKinds::BmpJpgGif}, {"foto.apng", PictureKinds::Png},
        {"foto.pngx", std::nullopt},           {"foto.jpeg", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindsForName(c.name), c.kinds) << c.name;
}

TEST(PictureNames, SaveWritesPngOnlyForANameEndingInDotPng)
{
    const struct
    {
        const char* chosen;
        const char* written;
        bool png;
    } cases[] = {
        {"plan.png", "plan.png", true},          {"/home/ana/PLAN.PNG", "/home/ana/PLAN.PNG", true},
        {"plan.Png", "plan.Png", true},          {"plan", "plan.bmp", false},
        {"planpng", "planpng.bmp", false},       {"plan.png.txt", "plan.png.txt.bmp", false},
        {"plan.png.bmp", "plan.png.bmp", false}, {"plan.pngx", "plan.pngx.bmp", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(savedFileName(c.chosen), c.written) << c.chosen;
        EXPECT_EQ(isPngName(savedFileName(c.chosen)), c.png) << c.chosen;
    }
}

TEST(PictureDialogs, SaveAndOpenAskWithTheirTitlesFiltersAndRules)
{
    const FileDialogSpec save = saveDialogSpec();
    EXPECT_EQ(save.title, "Guardar como  ");
    EXPECT_EQ(save.filters, (QStringList{"Archivo gráfico (*.bmp)", "Imágenes PNG (*.png)",
                                         "Documento PDF, todas las páginas (*.pdf)"}));
    EXPECT_FALSE(save.confirmOverwrite) << "the program asks itself, about the name it writes";
    EXPECT_FALSE(save.mustExist);
    EXPECT_EQ(save.startFolder, startFolder());

    const FileDialogSpec open = openDialogSpec();
    EXPECT_EQ(open.title, "Selecciona una imagen");
    EXPECT_EQ(open.filters, (QStringList{"imágenes (*.bmp *.png)", "Todos los ficheros (*.*)"}));
    EXPECT_TRUE(open.mustExist);
    EXPECT_EQ(open.startFolder, startFolder());
}

TEST(PictureDialogs, StartInTheProgramFolderOnlyWhenItCanBeWritten)
{
    QTemporaryDir program;
    QTemporaryDir pictures;
    const QString missing = program.filePath("no-existe");
    EXPECT_EQ(chooseStartFolder(program.path(), pictures.path(), "/home/ana"), program.path());
    EXPECT_EQ(chooseStartFolder(missing, pictures.path(), "/home/ana"), pictures.path());
    EXPECT_EQ(chooseStartFolder(missing, pictures.filePath("no-existe"), "/home/ana"), "/home/ana");
    EXPECT_EQ(chooseStartFolder(missing, QString(), "/home/ana"), "/home/ana");
}

TEST(PictureReading, PicturesWiderThanTheLimitAreRefusedBeforeDecoding)
{
    QTemporaryDir dir;
    const QString wide = dir.filePath("ancho.bmp");
    const QString limit = dir.filePath("limite.bmp");
    writeBytes(wide, encoded(blocks(QSize(kMaxPictureSide + 1, 1)), "bmp"));
    writeBytes(limit, encoded(blocks(QSize(kMaxPictureSide, 1)), "bmp"));
    EXPECT_FALSE(readPicture(wide).has_value());
    const std::optional<QImage> atLimit = readPicture(limit);
    ASSERT_TRUE(atLimit.has_value());
    EXPECT_EQ(atLimit->size(), QSize(kMaxPictureSide, 1));
}

TEST(PictureWriting, WritesTwentyFourBitBmpThatReadsBackExactly)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("a.bmp");
    QImage image = blocks(QSize(33, 7)); // an odd width, so rows are padded
    image.setPixel(32, 6, qRgb(12, 34, 56));
    ASSERT_TRUE(writeBmp(image, target));
    const QByteArray bytes = fileBytes(target);
    ASSERT_GE(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(std::uint8_t(bytes[28]), 24) << "bits per pixel";
    const std::optional<QImage> back = readPicture(target);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(firstDifference(*back, image), QPoint(-1, -1));
}

TEST(PictureReading, ProgressiveJpgsAndJpgsWithBytesAfterTheirEndAreWhole)
{
    QTemporaryDir dir;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(busy(QSize(64, 48))));
    writeBytes(dir.filePath("progresiva.jpg"), buffer.data());
    writeBytes(dir.filePath("cola.jpg"), encoded(busy(QSize(64, 48)), "jpeg") + "datos de la camara");

    const std::optional<QImage> progressive = readPicture(dir.filePath("progresiva.jpg"));
    ASSERT_TRUE(progressive.has_value());
    EXPECT_EQ(progressive->size(), QSize(64, 48));
    const std::optional<QImage> trailing = readPicture(dir.filePath("cola.jpg"));
    ASSERT_TRUE(trailing.has_value());
    EXPECT_EQ(trailing->size(), QSize(64, 48));
}

// A picture with flat areas and busy ones, so that both ways of packing are
// used, in pieces of every size the encoder splits a picture into.
TEST(PictureWriting, PngReadsBackExactlyHoweverItIsSplit)
{
    QImage image = busy(QSize(301, 263));
    for (int y = 40; y < 180; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, y < 100 ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
    const QImage tiny = busy(QSize(1, 1));
    for (const QImage& picture : {image, tiny}) {
        for (int parts : {0, 1, 2, 3, 16}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(encodePng(picture, buffer, parts));
            // Qt's own reader, which checks every checksum, takes the file.
            QImage back;
            ASSERT_TRUE(back.loadFromData(buffer.data(), "png")) << parts << " parts";
            EXPECT_EQ(firstDifference(back.convertToFormat(QImage::Format_RGB32), picture), QPoint(-1, -1))
                << parts << " parts";
        }
    }
    QTemporaryDir dir;
    const QString target = dir.filePath("a.png");
    ASSERT_TRUE(writePng(image, target));
    EXPECT_TRUE(fileBytes(target).startsWith("\x89PNG\r\n\x1A\n"));
    const std::optional<QImage> back = readPicture(target);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(firstDifference(*back, image), QPoint(-1, -1));
}

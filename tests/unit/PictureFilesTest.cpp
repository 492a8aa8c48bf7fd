// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PictureFiles.h"
#include "support/DrawnPageTest.h"
#include "support/PictureBytes.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

namespace {

const QString kNotAPicture = QStringLiteral("El fichero seleccionado no es un gráfico soportado");
const QString kSaveFailed = QStringLiteral("No se ha podido guardar el dibujo");
const QString kCannotOpen = QStringLiteral("No se ha podido abrir el fichero");
constexpr Colour kRed = 0x0000FF;

// A canvas showing its page, with a figure on the page drawn on both, as
// every commit draws it.
class PictureFiles : public DrawnPageTest
{
  protected:
    // Opening `name` holding `bytes` is refused with the message and changes
    // neither the canvas nor the page.
    void expectRefused(const QString& name, const QByteArray& bytes)
    {
        writeBytes(path(name), bytes);
        expectRefusedFile(path(name), kNotAPicture);
    }

    void expectRefusedFile(const QString& file, const QString& message)
    {
        const std::string name = file.toStdString();
        services.messages.clear();
        const QImage canvasBefore = canvas.persistentImage();
        services.openAnswer = file;
        openPicture(state, canvas, page, services);
        EXPECT_EQ(services.messages, QStringList{message}) << name;
        EXPECT_EQ(canvas.persistentImage(), canvasBefore) << name;
        EXPECT_EQ(page.persistentImage(), drawing) << name;
    }
};

} // namespace

TEST_F(PictureFiles, SaveThenOpenRoundTripsThePagePixels)
{
    services.saveAnswer = path("dibujo");
    savePicture(state, canvas, page, services);
    ASSERT_TRUE(QFile::exists(path("dibujo.bmp")));
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_TRUE(services.questions.isEmpty());

    Surface freshCanvas(kCanvasSize);
    Surface freshPage(kCanvasSize);
    services.openAnswer = path("dibujo.bmp");
    openPicture(state, freshCanvas, freshPage, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(firstDifference(freshPage.persistentImage(), drawing), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(freshCanvas.persistentImage(), drawing), QPoint(-1, -1));
    EXPECT_GT(countPixels(freshPage.persistentImage(), kBlue), 100);
}

TEST_F(PictureFiles, SaveWritesThePageNotAHelpPictureOnTheCanvas)
{
    QImage help(kCanvasSize, QImage::Format_RGB32);
    help.fill(Qt::green);
    canvas.setPicture(help);
    services.saveAnswer = path("plan");
    savePicture(state, canvas, page, services);

    EXPECT_EQ(firstDifference(QImage(path("plan.bmp")), drawing), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(canvas.persistentImage(), drawing), QPoint(-1, -1))
        << "the canvas is reloaded from the page";
}

TEST_F(PictureFiles, PlanAndPlanBmpBothSaveToPlanBmp)
{
    services.saveAnswer = path("plan");
    savePicture(state, canvas, page, services);
    EXPECT_TRUE(services.questions.isEmpty()) << "nothing to replace yet";

    services.saveAnswer = path("plan.bmp");
    services.yesNoAnswer = true;
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.questions, QStringList{"El fichero plan.bmp ya existe. ¿Quieres reemplazarlo?"});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.bmp"});
    EXPECT_EQ(firstDifference(QImage(path("plan.bmp")), drawing), QPoint(-1, -1));
}

TEST_F(PictureFiles, TheOverwriteQuestionNamesTheFileReallyWrittenAndNoKeepsIt)
{
    const QByteArray before = encoded(blocks(QSize(40, 30)), "bmp");
    writeBytes(path("plan.bmp"), before);
    services.saveAnswer = path("plan");
    services.yesNoAnswer = false;
    savePicture(state, canvas, page, services);

    EXPECT_EQ(services.questions, QStringList{"El fichero plan.bmp ya existe. ¿Quieres reemplazarlo?"});
    EXPECT_EQ(fileBytes(path("plan.bmp")), before);
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(PictureFiles, CancelledSaveWritesNothing)
{
    services.saveAnswer.reset();
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.saveDialogs.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(firstDifference(page.persistentImage(), drawing), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(canvas.persistentImage(), drawing), QPoint(-1, -1));
}

TEST_F(PictureFiles, SaveUnderARegularFileSaysSo)
{
    writeBytes(path("notas"), "no soy una carpeta");
    services.saveAnswer = path("notas/plan");
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_EQ(fileBytes(path("notas")), "no soy una carpeta");
}

TEST_F(PictureFiles, SaveOverAFolderOfTheSameNameSaysSoAndKeepsTheFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("plan.bmp"));
    writeBytes(path("plan.bmp/dentro.txt"), "hola");
    services.saveAnswer = path("plan");
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_TRUE(QFileInfo(path("plan.bmp")).isDir());
    EXPECT_EQ(fileBytes(path("plan.bmp/dentro.txt")), "hola");
}

// A disk that fills up half-way through a save: the file size limit stops
// every write beyond it, also for root.
TEST_F(PictureFiles, SaveThatRunsOutOfRoomKeepsTheExistingFileAndSaysSo)
{
    const QByteArray before = encoded(blocks(QSize(40, 30)), "bmp");
    writeBytes(path("plan.bmp"), before);
    ASSERT_GT(before.size(), 2000);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 2000;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    services.saveAnswer = path("plan");
    services.yesNoAnswer = true;
    savePicture(state, canvas, page, services);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_EQ(fileBytes(path("plan.bmp")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.bmp"})
        << "no temporary file is left";
}

TEST_F(PictureFiles, SaveIntoAReadOnlyFolderKeepsTheExistingFileAndSaysSo)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the full-disk and folder cases cover root";
    const QByteArray before = encoded(blocks(QSize(40, 30)), "bmp");
    writeBytes(path("plan.bmp"), before);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    services.saveAnswer = path("plan");
    services.yesNoAnswer = true;
    savePicture(state, canvas, page, services);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);

    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
    EXPECT_EQ(fileBytes(path("plan.bmp")), before);
}

TEST_F(PictureFiles, OpenReplacesThePageWithThePicture)
{
    writeBytes(path("mapa.Bmp"), encoded(blocks(kCanvasSize), "bmp"));
    services.openAnswer = path("mapa.Bmp");
    openPicture(state, canvas, page, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(firstDifference(page.persistentImage(), blocks(kCanvasSize)), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(canvas.persistentImage(), page.persistentImage()), QPoint(-1, -1));
    EXPECT_EQ(services.openDialogs.size(), 1u);
}

TEST_F(PictureFiles, OpenTakesAJpgNamedInMixedCase)
{
    writeBytes(path("foto.JpG"), encoded(blocks(kCanvasSize), "jpeg"));
    services.openAnswer = path("foto.JpG");
    openPicture(state, canvas, page, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_TRUE(similar(page.persistentImage().pixel(20, 60), qRgb(0, 0, 255)));
    EXPECT_TRUE(similar(page.persistentImage().pixel(140, 60), qRgb(255, 255, 255)));
    EXPECT_EQ(firstDifference(canvas.persistentImage(), page.persistentImage()), QPoint(-1, -1));
}

TEST_F(PictureFiles, OpenTakesTheFirstPictureOfAGifAtTheTopLeft)
{
    writeBytes(path("punto.gif"), redDotGif());
    services.openAnswer = path("punto.gif");
    openPicture(state, canvas, page, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(pixelAt(page.persistentImage(), 0, 0), kRed);
    EXPECT_EQ(countPixels(page.persistentImage(), kWhite), kCanvasSize.width() * kCanvasSize.height() - 1)
        << "around a smaller picture the page keeps its background";
}

TEST_F(PictureFiles, OpenRefusesFotoJpegByItsName)
{
    expectRefused("foto.jpeg", encoded(blocks(kCanvasSize), "jpeg"));
}

TEST_F(PictureFiles, OpenRefusesAJpgWithADamagedHeader)
{
    QByteArray bytes = encoded(blocks(kCanvasSize), "jpeg");
    for (int i = 2; i < 40; ++i)
        bytes[i] = char(~bytes[i]);
    expectRefused("roto.jpg", bytes);
}

// Qt's decoder fills the missing rows of a cut-off JPG with grey and reports
// success, so the cut must land in the image data to test anything.
TEST_F(PictureFiles, OpenRefusesAJpgCutInItsImageData)
{
    const QByteArray bytes = encoded(busy(kCanvasSize), "jpeg");
    ASSERT_GT(bytes.size(), 4000) << "most of the file is image data";
    expectRefused("cortado.jpg", bytes.left(bytes.size() * 2 / 3));
}

TEST_F(PictureFiles, OpenRefusesTextNamedJpg)
{
    expectRefused("notas.jpg", "Esto no es una imagen, solo texto.\n");
}

TEST_F(PictureFiles, OpenRefusesAnEmptyBmp)
{
    expectRefused("vacio.bmp", QByteArray());
}

TEST_F(PictureFiles, OpenRefusesABmpCutShort)
{
    const QByteArray bytes = encoded(blocks(kCanvasSize), "bmp");
    expectRefused("cortado.bmp", bytes.left(bytes.size() - 100));
}

TEST_F(PictureFiles, OpenRefusesAGifCutBeforeItsPictureEnds)
{
    // Without the block terminator and the trailer the codes are all there,
    // and the decoder alone would take the picture.
    expectRefused("cortado.gif", redDotGif().chopped(2));
    expectRefused("cortado.gif", redDotGif().left(30));
}

TEST_F(PictureFiles, OpenRefusesAPictureOfAnotherKindNamedBmp)
{
    expectRefused("dibujo.bmp", encoded(blocks(kCanvasSize), "png"));
}

TEST_F(PictureFiles, PngSavesAndOpensPixelForPixel)
{
    QImage busyPicture = busy(kCanvasSize);
    page.setPicture(busyPicture);
    services.saveAnswer = path("plan.PNG");
    savePicture(state, canvas, page, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_TRUE(fileBytes(path("plan.PNG")).startsWith("\x89PNG")) << "written as PNG";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.PNG"});

    Surface freshCanvas(kCanvasSize);
    Surface freshPage(kCanvasSize);
    services.openAnswer = path("plan.PNG");
    openPicture(state, freshCanvas, freshPage, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(freshPage.persistentImage(), busyPicture);
    EXPECT_EQ(freshCanvas.persistentImage(), busyPicture);
}

TEST_F(PictureFiles, PngOverwriteIsAskedAndAFailedPngSaveSaysSo)
{
    const QByteArray before = encoded(blocks(QSize(40, 30)), "png");
    writeBytes(path("plan.png"), before);
    services.saveAnswer = path("plan.png");
    services.yesNoAnswer = false;
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.questions, QStringList{"El fichero plan.png ya existe. ¿Quieres reemplazarlo?"});
    EXPECT_EQ(fileBytes(path("plan.png")), before);

    writeBytes(path("notas"), "no soy una carpeta");
    services.saveAnswer = path("notas/plan.png");
    savePicture(state, canvas, page, services);
    EXPECT_EQ(services.messages, QStringList{kSaveFailed});
}

TEST_F(PictureFiles, PngsThatClaimTooMuchAreCutOrAreNamedOtherwiseAreRefused)
{
    const QByteArray png = encoded(busy(kCanvasSize), "png");
    const QByteArray huge = withPngSize(png, QSize(100000, 100000));
    QBuffer buffer;
    buffer.setData(huge);
    buffer.open(QIODevice::ReadOnly);
    ASSERT_EQ(QImageReader(&buffer, "png").size(), QSize(100000, 100000)) << "the size is its only fault";
    expectRefused("enorme.png", huge);
    expectRefused("ancho.png", withPngSize(png, QSize(kMaxPictureSide + 1, 1)));
    // Each side within the limit, but a gigabyte decoded.
    expectRefused("grande.png", withPngSize(png, QSize(kMaxPictureSide, kMaxPictureSide)));
    expectRefused("cortado.png", png.left(png.size() * 2 / 3));
    expectRefused("sin-final.png", png.chopped(12));
    expectRefused("foto.bmp", png);
    expectRefused("foto.png", encoded(blocks(kCanvasSize), "bmp"));
}

TEST_F(PictureFiles, APngWithTransparencyIsLaidOnWhite)
{
    QImage picture(QSize(40, 30), QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int x = 0; x < 20; ++x) {
        picture.setPixel(x, 0, qRgba(0, 0, 255, 255));
        picture.setPixel(x, 1, qRgba(255, 0, 0, 128));
    }
    writeBytes(path("capa.png"), encoded(picture, "png"));
    services.openAnswer = path("capa.png");
    openPicture(state, canvas, page, services);
    ASSERT_TRUE(services.messages.isEmpty());
    const QImage& shown = page.persistentImage();
    EXPECT_EQ(shown.pixel(5, 0), qRgb(0, 0, 255));
    EXPECT_TRUE(similar(shown.pixel(5, 1), qRgb(255, 127, 127))) << std::hex << shown.pixel(5, 1);
    EXPECT_EQ(shown.pixel(30, 10), qRgb(255, 255, 255)) << "transparent parts";
    EXPECT_EQ(canvas.persistentImage(), shown);
}

TEST_F(PictureFiles, OpenRefusesXbmpWhenItIsNoPicture)
{
    expectRefused("xbmp", "hola");
}

TEST_F(PictureFiles, OpenRefusesAPipeNamedLikeAPictureWithoutWaitingForIt)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("tubo.bmp")).constData(), 0600), 0);
    expectRefusedFile(path("tubo.bmp"), kCannotOpen);
}

// Files that are no file at all, or not there.
TEST_F(PictureFiles, WhatCannotBeReadIsToldApartFromWhatIsNoPicture)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta.bmp"));
    ASSERT_TRUE(QFile::link(path("no-existe.png"), path("roto.gif")));
    ASSERT_TRUE(QFile::link("/dev/zero", path("ceros.jpg")));
    for (const char* name : {"carpeta.bmp", "no-existe.bmp", "roto.gif", "ceros.jpg"})
        expectRefusedFile(path(name), kCannotOpen);
}

// Root reads any file, so when the tests run as root the open runs as nobody
// for a moment; the folder lets everyone in, so only the file's own
// permission refuses.
TEST_F(PictureFiles, AFileWithoutReadPermissionCannotBeOpened)
{
    writeBytes(path("privado.bmp"), encoded(blocks(kCanvasSize), "bmp"));
    ASSERT_EQ(chmod(QFile::encodeName(path("privado.bmp")).constData(), 0), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const bool root = geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        ASSERT_EQ(seteuid(kNobody), 0);
    }
    expectRefusedFile(path("privado.bmp"), kCannotOpen);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
}

// A file of /proc claims no size and would go on for gigabytes.
TEST_F(PictureFiles, AnEndlessFileIsReadNoFurtherThanItsFirstBytes)
{
    ASSERT_TRUE(QFile::link("/proc/self/pagemap", path("sin-fin.bmp")));
    ASSERT_EQ(QFileInfo(path("sin-fin.bmp")).size(), 0);
    expectRefusedFile(path("sin-fin.bmp"), kNotAPicture);
}

TEST_F(PictureFiles, CancelledOpenChangesNothing)
{
    const QImage canvasBefore = canvas.persistentImage();
    services.openAnswer.reset();
    openPicture(state, canvas, page, services);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(firstDifference(page.persistentImage(), drawing), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(canvas.persistentImage(), canvasBefore), QPoint(-1, -1));
}

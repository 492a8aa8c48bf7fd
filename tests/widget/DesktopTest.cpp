// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <memory>

#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

#include "app/CommandLine.h"
#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "files/PictureFiles.h"
#include "files/PictureIO.h"
#include "recovery/DrawingKeeper.h"
#include "support/PdfProbe.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

// The desktop's ways into the window and out of it: files named on the
// command line, files dropped on the canvas, the clipboard, and every drawn
// page saved as one PDF.
namespace {

const QString kNotAPicture = QStringLiteral("El fichero seleccionado no es un gráfico soportado");
const QString kCannotRead = QStringLiteral("No se ha podido abrir el fichero");
const QString kTooMany = QStringLiteral("Solo hay diez páginas: los demás ficheros no se han abierto");

// A distinct colour for picture i.
QRgb colourOf(int i)
{
    return qRgb(20 + 20 * i, 200 - 15 * i, (70 * i) % 256);
}

class DesktopTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(files.isValid());
        ASSERT_TRUE(state.isValid());
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }

    std::unique_ptr<MainWindow> makeWindow()
    {
        auto window = std::make_unique<MainWindow>(QSizeF(15360, 11520), 15.0);
        window->setPlatformServices(&services);
        window->state().mirrorVertical = false;
        return window;
    }

    // A 40 x 30 picture of colour i, written as a PNG.
    QString picture(int i, const char* ending = "png")
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colourOf(i));
        const QString path = files.filePath(QStringLiteral("dibujo%1.%2").arg(i).arg(QLatin1String(ending)));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    // Whether a page shows picture i at its top left and white beside it.
    static bool holds(MainWindow& w, int page, int i)
    {
        const QImage image = w.page(page).persistentImage();
        return image.pixel(39, 29) == colourOf(i) && image.pixel(41, 31) == qRgb(255, 255, 255);
    }

    static bool blank(MainWindow& w, int page)
    {
        const QImage image = w.page(page).persistentImage();
        return countPixels(image, kWhite) == image.width() * image.height();
    }

    // A line five pixels wide through the handlers, in canvas pixels; blue
    // unless told otherwise.
    static void line(MainWindow& w, QPoint from, QPoint to, QRgb colour = qRgb(0, 0, 255))
    {
        w.state().toolMode = Tool::Line;
        w.state().colourRed = qRed(colour);
        w.state().colourGreen = qGreen(colour);
        w.state().colourBlue = qBlue(colour);
        w.state().lineWidth = 5;
        w.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        w.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        w.canvasMoved(1, 0, float(to.x() * 15), float(to.y() * 15));
        w.canvasReleased(1, 0, float(to.x() * 15), float(to.y() * 15));
    }

    // Drags `data` over the canvas and, when it is taken, drops it there;
    // whether the canvas took the drag.
    static bool dragAndDrop(MainWindow& w, const QMimeData& data)
    {
        CanvasView* view = w.canvasView();
        const QPoint at(50, 50);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &drop);
        return drop.isAccepted();
    }

    QStringList keptFolders() const
    {
        return QDir(state.filePath(QStringLiteral("lienzo"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir files;
    QTemporaryDir state;
    ScriptedServices services;
};

} // namespace

// The command line: which page each file lands on, and what is said, only
// once the window shows.
TEST_F(DesktopTest, FilesOnTheCommandLineOpenOntoPagesFromTheFirst)
{
    QDir().mkpath(files.filePath(QStringLiteral("carpeta.png")));
    const QString folder = files.filePath(QStringLiteral("carpeta.png"));
    QFile text(files.filePath(QStringLiteral("nota.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("hola");
    text.close();
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven << picture(i);

    struct Case
    {
        const char* name;
        QStringList files;
        std::vector<int> openedPictures; // picture on page i, -1 for a blank page
        QStringList messages;
    };
    const std::vector<Case> cases = {
        {"one file", {eleven[0]}, {0}, {}},
        {"three files", eleven.mid(0, 3), {0, 1, 2}, {}},
        {"eleven files", eleven, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {kTooMany}},
        {"a refused file among good ones",
         {eleven[0], text.fileName(), eleven[2]},
         {0, -1, 2},
         {kNotAPicture}},
        {"a folder", {folder, eleven[1]}, {-1, 1}, {kCannotRead}},
    };
    for (const Case& c : cases) {
        services.messages.clear();
        auto w = makeWindow();
        w->startWithFiles(c.files);
        EXPECT_TRUE(services.messages.isEmpty()) << c.name << ": a message came before the window showed";
        w->show();
        w->windowShown();
        EXPECT_EQ(services.messages, c.messages) << c.name;
        for (int page = 0; page < kPageCount; ++page) {
            const int expected = page < int(c.openedPictures.size()) ? c.openedPictures[size_t(page)] : -1;
            if (expected >= 0) {
                EXPECT_TRUE(holds(*w, page, expected)) << c.name << ": page " << page + 1;
            } else {
                EXPECT_TRUE(blank(*w, page)) << c.name << ": page " << page + 1;
            }
        }
        EXPECT_EQ(w->state().currentPage, 0) << c.name;
        // Page 1 shows, as it is: no start-up picture over it.
        EXPECT_EQ(firstDifference(w->canvas().persistentImage(), w->page(0).persistentImage()),
                  QPoint(-1, -1))
            << c.name;
    }
}

TEST_F(DesktopTest, HelpVersionAndAnUnknownOptionAreAnsweredWithoutAWindow)
{
    struct Case
    {
        QStringList arguments;
        int exitCode;
        bool toError;
        QString textStart;
        QStringList files;
    };
    const QString usage = QStringLiteral("Uso: lienzo [FICHERO...]");
    const std::vector<Case> cases = {
        {{"lienzo", "--help"}, 0, false, usage, {}},
        {{"lienzo", "-h"}, 0, false, usage, {}},
        {{"lienzo", "--version"}, 0, false, QStringLiteral("Lienzo 0."), {}},
        {{"lienzo", "--nada", "a.png"}, 2, true, QStringLiteral("lienzo: opción desconocida: nada"), {}},
        {{"lienzo", "a.png", "--", "-b.png"}, -1, false, QString(), {"a.png", "-b.png"}},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        const QString name = c.arguments.join(QLatin1Char(' '));
        EXPECT_EQ(line.exits, c.exitCode >= 0) << name.toStdString();
        if (line.exits) {
            EXPECT_EQ(line.exitCode, c.exitCode) << name.toStdString();
        }
        EXPECT_EQ(line.toError, c.toError) << name.toStdString();
        EXPECT_TRUE(line.text.startsWith(c.textStart))
            << name.toStdString() << ": " << line.text.toStdString();
        EXPECT_EQ(line.files, c.files) << name.toStdString();
    }
    EXPECT_TRUE(parseCommandLine({"lienzo", "--nada"}).text.contains(QStringLiteral("Uso: lienzo")))
        << "an unknown option does not show the usage";
}

TEST_F(DesktopTest, AStaleKeptDrawingStaysOnDiskWhenFilesAreNamedAndIsOfferedNextTime)
{
    {
        auto crashed = makeWindow();
        crashed->show();
        line(*crashed, {40, 40}, {300, 200});
        crashed->keeper().flush();
    } // gone without its exit
    ASSERT_EQ(keptFolders().size(), 1);
    const QString stale = keptFolders().first();
    {
        auto withFiles = makeWindow();
        withFiles->startWithFiles({picture(0)});
        withFiles->show();
        withFiles->windowShown();
        EXPECT_TRUE(services.questions.isEmpty()) << "a question stood in the way of the files";
        EXPECT_TRUE(keptFolders().contains(stale)) << "the kept drawing was removed";
        withFiles->keeper().discard(); // a normal exit
    }
    auto next = makeWindow();
    next->show();
    next->windowShown();
    EXPECT_EQ(services.questions.size(), 1) << "the kept drawing was not offered at the next start";
}

TEST_F(DesktopTest, DroppedFilesOpenFromTheCurrentPageAndOnlyLocalFilesAreTaken)
{
    auto w = makeWindow();
    w->show();
    w->pageClicked(3);
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(picture(1))});
    EXPECT_TRUE(dragAndDrop(*w, one));
    EXPECT_TRUE(holds(*w, 3, 1));
    EXPECT_EQ(firstDifference(w->canvas().persistentImage(), w->page(3).persistentImage()), QPoint(-1, -1));

    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(picture(2)), QUrl::fromLocalFile(picture(3, "bmp"))});
    EXPECT_TRUE(dragAndDrop(*w, two));
    EXPECT_TRUE(holds(*w, 3, 2));
    EXPECT_TRUE(holds(*w, 4, 3));
    EXPECT_EQ(w->state().currentPage, 3);
    EXPECT_TRUE(services.messages.isEmpty());

    const QImage before = w->page(3).persistentImage();
    QMimeData text;
    text.setText(QStringLiteral("hola"));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/dibujo.png"))});
    QMimeData mixed;
    mixed.setUrls({QUrl::fromLocalFile(picture(4)), QUrl(QStringLiteral("https://example.org/b.png"))});
    for (const QMimeData* refused : {&text, &web, &mixed})
        EXPECT_FALSE(dragAndDrop(*w, *refused)) << refused->formats().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(firstDifference(w->page(3).persistentImage(), before), QPoint(-1, -1));
}

TEST_F(DesktopTest, CopyPutsThePageOnTheClipboardWithoutTheStartUpPicture)
{
    auto w = makeWindow();
    w->show();
    line(*w, {30, 400}, {300, 420});
    // The canvas still shows the start-up picture; the help picture goes over it.
    w->mainBarClicked(int(MainCommand::Help));
    ASSERT_NE(firstDifference(w->canvas().persistentImage(), w->page(0).persistentImage()), QPoint(-1, -1));
    w->copyRequested();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    const QImage page = w->page(0).persistentImage();
    EXPECT_EQ(copied.size(), page.size());
    EXPECT_EQ(firstDifference(copied, page), QPoint(-1, -1));
}

TEST_F(DesktopTest, PasteLaysThePictureOnCanvasAndPageAsOneUndoStep)
{
    auto w = makeWindow();
    w->show();
    w->pageClicked(0);
    line(*w, {30, 20}, {300, 20});   // under the picture's corner
    line(*w, {30, 400}, {300, 400}); // beside it
    const QImage before = w->page(0).persistentImage();
    w->keeper().flush();
    const int kept = w->keeper().writes(0);

    QImage pasted(200, 100, QImage::Format_RGB32);
    pasted.fill(qRgb(255, 128, 0));
    QGuiApplication::clipboard()->setImage(pasted);
    w->pasteRequested();
    QImage expected = before.copy();
    QPainter(&expected).drawImage(0, 0, pasted);
    EXPECT_EQ(firstDifference(w->page(0).persistentImage(), expected), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(w->canvas().persistentImage(), expected), QPoint(-1, -1));
    w->keeper().flush();
    EXPECT_GT(w->keeper().writes(0), kept) << "the paste was not kept";

    w->mainBarClicked(int(MainCommand::Undo));
    EXPECT_EQ(firstDifference(w->page(0).persistentImage(), before), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(w->canvas().persistentImage(), before), QPoint(-1, -1));

    // A picture larger than the page is clipped to it.
    QImage large(w->page(0).sizePx() + QSize(300, 300), QImage::Format_RGB32);
    large.fill(qRgb(0, 128, 0));
    QGuiApplication::clipboard()->setImage(large);
    w->pasteRequested();
    const QImage covered = w->page(0).persistentImage();
    EXPECT_EQ(countPixels(covered, Colour(0x008000)), covered.width() * covered.height());
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(DesktopTest, PasteRefusesAPictureBeyondTheOpenLimitsAndIgnoresText)
{
    auto w = makeWindow();
    w->show();
    w->pageClicked(0);
    line(*w, {30, 400}, {300, 400});
    const QImage before = w->page(0).persistentImage();
    QImage tooWide(kMaxPictureSide + 1, 2, QImage::Format_RGB32);
    tooWide.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(tooWide);
    w->pasteRequested();
    EXPECT_EQ(services.messages, QStringList{kNotAPicture});
    QGuiApplication::clipboard()->setText(QStringLiteral("hola"));
    w->pasteRequested();
    EXPECT_EQ(services.messages.size(), 1) << "text on the clipboard brought a message";
    EXPECT_EQ(firstDifference(w->page(0).persistentImage(), before), QPoint(-1, -1));
}

TEST_F(DesktopTest, APdfHoldsEveryDrawnPageInOrderAndLeavesTheBlankOnesOut)
{
    if (!havePopplerTools())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    auto w = makeWindow();
    w->show();
    const std::vector<int> drawnPages = {1, 4, 8};
    for (int page : drawnPages) {
        w->pageClicked(page);
        line(*w, {20 + 40 * page, 100}, {120 + 40 * page, 100});
    }
    // A page drawn on in its own back colour holds nothing to show.
    w->pageClicked(6);
    line(*w, {20, 100}, {400, 100});
    line(*w, {10, 100}, {410, 100}, qRgb(255, 255, 255));
    ASSERT_TRUE(blank(*w, 6));
    w->pageClicked(2);
    const QImage showing = w->canvas().persistentImage();
    services.saveAnswer = files.filePath(QStringLiteral("Todas.PDF"));
    w->mainBarClicked(int(MainCommand::Save));
    ASSERT_EQ(pdfPageCount(*services.saveAnswer), std::optional<int>(3));
    QRect first;
    for (size_t sheet = 0; sheet < drawnPages.size(); ++sheet) {
        const QRect bounds = blueBounds(renderPage(*services.saveAnswer, int(sheet) + 1, 96));
        ASSERT_FALSE(bounds.isEmpty()) << "sheet " << sheet + 1;
        if (sheet == 0)
            first = bounds;
        // The lines stand 40 pixels further right on each drawn page, at
        // their true size.
        const int shift = 40 * (drawnPages[sheet] - drawnPages[0]);
        EXPECT_NEAR(bounds.left() - first.left(), shift, 2) << "sheet " << sheet + 1;
        EXPECT_NEAR(bounds.width(), 105, 3) << "sheet " << sheet + 1;
        EXPECT_NEAR(bounds.top(), first.top(), 2) << "sheet " << sheet + 1;
    }
    EXPECT_EQ(firstDifference(w->canvas().persistentImage(), showing), QPoint(-1, -1));
    EXPECT_EQ(w->state().currentPage, 2);
    EXPECT_TRUE(services.messages.isEmpty());
}

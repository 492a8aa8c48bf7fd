// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include "app/Artwork.h"
#include "app/Captions.h"
#include "e2e/WindowManagerClose.h"
#include "e2e/XServer.h"
#include "options/PaletteStrip.h"
#include "support/PictureBytes.h"
#include "support/SurfaceCompare.h"

// The files and the window manager with the built program on a virtual X
// server: the save and open dialogs answered by typing a path, the saved BMP
// held against the screen, the page that a switch and an undo leave, and the
// window manager's close request. On a 1280 x 1024 screen at 96 dpi the
// canvas is at (78, 30), 1197 x 963 pixels, with the vertical mirror axis
// 598.5 pixels into it.
namespace {

constexpr QPoint kPalette(80, 8);
constexpr QPoint kCanvas(78, 30);
const QSize kCanvasSize(1197, 963);

// Page buttons are 25 pixels apart on the row at y = 995.
QPoint pageButton(int index)
{
    return QPoint(78 + 25 * index + 12, 995 + 12);
}

bool inkedAt(const QImage& image, QPoint at, int reach = 3)
{
    return countPixels(image, kBlack, QRect(at - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1))) >
           0;
}

class ReliabilityProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(files.isValid());
        ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
        session.waitForFirstPaint();
    }

    void click(QPoint p) { session.click(p); }
    void clickBar(int index) { click(XSession::mainBarButton(index)); }

    // A drag on the canvas, in canvas pixels, then the pointer taken off the
    // canvas so that no crosshair stands over what is checked.
    void dragOnCanvas(QPoint from, QPoint to)
    {
        session.drag({kCanvas + from, kCanvas + (from + to) / 2, kCanvas + to});
        session.moveTo(QPoint(5, 1010));
    }

    // Answers the file dialog titled `title` the way a user who knows the
    // path does: everything in the name box selected, the path typed over it,
    // Return.
    bool answerFileDialog(const QString& title, const QString& path)
    {
        if (!XSession::waitFor([&] { return !session.windowsNamed(QLatin1Char('^') + title).isEmpty(); }))
            return false;
        const QString dialog = session.windowsNamed(QLatin1Char('^') + title).first();
        session.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
        QThread::msleep(300);
        session.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
        session.xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), path});
        QThread::msleep(200);
        session.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        return XSession::waitFor([&] { return session.windowsNamed(QLatin1Char('^') + title).isEmpty(); });
    }

    QImage canvasOnScreen(const QImage& shot) const { return shot.copy(QRect(kCanvas, kCanvasSize)); }

    // Saves the page through the dialog and returns the file read back, once
    // the canvas on the screen shows what the file holds (or the time is up).
    QImage saveThroughTheDialog(const QString& name)
    {
        clickBar(1);
        EXPECT_TRUE(answerFileDialog(QStringLiteral("Guardar como"), files.filePath(name)))
            << "the save dialog did not come and go";
        const QString written = files.filePath(name + QStringLiteral(".bmp"));
        EXPECT_TRUE(XSession::waitFor([&] { return QFileInfo(written).size() > 0; }))
            << "nothing was written";
        const QImage saved = QImage(written).convertToFormat(QImage::Format_RGB32);
        onScreen = canvasOnScreen(session.screenshotWhen([&](const QImage& shot) {
            return firstDifference(canvasOnScreen(shot), saved) == QPoint(-1, -1);
        }));
        return saved;
    }

    QTemporaryDir files;
    XSession session;
    QImage onScreen;
};

} // namespace

TEST_F(ReliabilityProgramTest, TheSaveDialogTakesATypedPathAndTheBmpIsThePageOnTheScreen)
{
    clickBar(2); // straight line
    dragOnCanvas({150, 700}, {450, 700});
    ASSERT_TRUE(inkedAt(
        session.screenshotWhen([&](const QImage& s) { return inkedAt(s, kCanvas + QPoint(300, 700)); }),
        kCanvas + QPoint(300, 700)));

    const QImage saved = saveThroughTheDialog(QStringLiteral("dibujo"));
    ASSERT_EQ(saved.size(), kCanvasSize);
    EXPECT_EQ(firstDifference(onScreen, saved), QPoint(-1, -1))
        << "the file is not the page the canvas shows";
    EXPECT_TRUE(inkedAt(saved, {300, 700})) << "the line is missing from the file";
    EXPECT_TRUE(inkedAt(saved, {kCanvasSize.width() - 300, 700})) << "its mirror image is missing";
    // The start-up picture belongs to the canvas, not to the page.
    const QImage start = Artwork::startupPicture();
    int startPixels = 0, kept = 0;
    for (int y = 0; y < 535; y += 5)
        for (int x = 0; x < 713; x += 5)
            if (pixelAt(start, x, y) != kWhite) {
                ++startPixels;
                kept += pixelAt(saved, x, y) == pixelAt(start, x, y);
            }
    ASSERT_GT(startPixels, 100);
    EXPECT_EQ(kept, 0) << "the start-up picture went into the file";
    EXPECT_TRUE(session.programRunning());
}

TEST_F(ReliabilityProgramTest, AfterAPageSwitchAndAnUndoTheSaveHoldsThatPageAsItWasLeft)
{
    clickBar(2);
    dragOnCanvas({150, 900}, {450, 900}); // on page 1
    click(pageButton(1));
    clickBar(10); // a rectangle on page 2
    dragOnCanvas({150, 600}, {350, 800});
    clickBar(2); // then a line, taken back by undo
    dragOnCanvas({500, 600}, {560, 800});
    ASSERT_TRUE(inkedAt(
        session.screenshotWhen([&](const QImage& s) { return inkedAt(s, kCanvas + QPoint(530, 700)); }),
        kCanvas + QPoint(530, 700)));
    clickBar(13);
    session.screenshotWhen([&](const QImage& s) { return !inkedAt(s, kCanvas + QPoint(530, 700)); });

    const QImage saved = saveThroughTheDialog(QStringLiteral("pagina 2"));
    ASSERT_EQ(saved.size(), kCanvasSize);
    EXPECT_EQ(firstDifference(onScreen, saved), QPoint(-1, -1));
    EXPECT_TRUE(inkedAt(saved, {150, 700}, 2)) << "the rectangle's left side is missing";
    EXPECT_TRUE(inkedAt(saved, {kCanvasSize.width() - 150, 700}, 2))
        << "the rectangle's mirror image is missing";
    EXPECT_FALSE(inkedAt(saved, {530, 700})) << "the undone line is in the file";
    EXPECT_FALSE(inkedAt(saved, {300, 900})) << "page 1's line is in page 2's file";

    click(pageButton(0));
    const QImage shot =
        session.screenshotWhen([&](const QImage& s) { return inkedAt(s, kCanvas + QPoint(300, 900)); });
    EXPECT_TRUE(inkedAt(shot, kCanvas + QPoint(300, 900))) << "page 1 lost its line";
    EXPECT_FALSE(inkedAt(shot, kCanvas + QPoint(150, 700), 2)) << "page 2's rectangle shows on page 1";
}

TEST_F(ReliabilityProgramTest, OpenTakesAJpgTypedIntoTheDialogAndItBecomesThePage)
{
    // Red and green halves and a blue band: colours that survive JPG.
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(qRgb(220, 0, 0));
    for (int y = 0; y < 300; ++y)
        for (int x = 200; x < 400; ++x)
            picture.setPixel(x, y, y < 200 ? qRgb(0, 170, 0) : qRgb(0, 0, 230));
    const QString path = files.filePath(QStringLiteral("foto de clase.jpg"));
    ASSERT_TRUE(picture.save(path, "JPG"));

    clickBar(0);
    ASSERT_TRUE(answerFileDialog(QStringLiteral("Selecciona una imagen"), path))
        << "the open dialog did not come and go";
    auto showsPicture = [&](const QImage& shot) {
        return similar(shot.pixel(kCanvas + QPoint(100, 150)), qRgb(220, 0, 0)) &&
               similar(shot.pixel(kCanvas + QPoint(300, 100)), qRgb(0, 170, 0)) &&
               similar(shot.pixel(kCanvas + QPoint(300, 250)), qRgb(0, 0, 230));
    };
    QImage shot = session.screenshotWhen(showsPicture);
    EXPECT_TRUE(showsPicture(shot)) << "the canvas does not show the picture";
    EXPECT_EQ(pixelAt(shot, kCanvas.x() + 600, kCanvas.y() + 500), kWhite)
        << "beyond the picture the page is white";
    // The start-up picture is gone from beside the opened one.
    const QImage start = Artwork::startupPicture();
    int startPixels = 0, kept = 0;
    for (int y = 0; y < 535; y += 5)
        for (int x = 0; x < 713; x += 5)
            if ((x >= 400 || y >= 300) && pixelAt(start, x, y) != kWhite) {
                ++startPixels;
                kept += pixelAt(shot, kCanvas.x() + x, kCanvas.y() + y) == pixelAt(start, x, y);
            }
    ASSERT_GT(startPixels, 50);
    EXPECT_EQ(kept, 0) << "the start-up picture still shows beside the opened one";

    // The picture is the page's now: it comes back after a trip to page 2.
    click(pageButton(1));
    session.screenshotWhen([&](const QImage& s) { return !showsPicture(s); });
    click(pageButton(0));
    shot = session.screenshotWhen(showsPicture);
    EXPECT_TRUE(showsPicture(shot)) << "page 1 lost the opened picture";
    EXPECT_TRUE(session.programRunning());
}

TEST_F(ReliabilityProgramTest, TheWindowManagersCloseAsksAndOnlySiEndsTheProgram)
{
    ASSERT_EQ(session.windowsNamed(QStringLiteral("^Lienzo$")).size(), 1);
    ASSERT_TRUE(requestClose(session.display(), session.windowId()));
    ASSERT_TRUE(XSession::waitFor([&] {
        return session.windowsNamed(QStringLiteral("^Lienzo$")).size() == 2;
    })) << "closing asked no question";
    session.xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(XSession::waitFor([&] {
        return session.windowsNamed(QStringLiteral("^Lienzo$")).size() == 1;
    })) << "the question stayed open";
    QThread::msleep(300);
    EXPECT_TRUE(session.programRunning()) << "answering No ended the program";

    // The window still works: a line drawn after the No shows.
    clickBar(2);
    dragOnCanvas({150, 900}, {450, 900});
    EXPECT_TRUE(inkedAt(
        session.screenshotWhen([&](const QImage& s) { return inkedAt(s, kCanvas + QPoint(300, 900)); }),
        kCanvas + QPoint(300, 900)));

    ASSERT_TRUE(requestClose(session.display(), session.windowId()));
    ASSERT_TRUE(XSession::waitFor([&] {
        return session.windowsNamed(QStringLiteral("^Lienzo$")).size() == 2;
    })) << "closing asked no question the second time";
    session.xdotool({QStringLiteral("key"), QStringLiteral("Return")}); // Sí is the default answer
    EXPECT_TRUE(XSession::waitFor([&] { return !session.programRunning(); }))
        << "answering Sí did not end the program";
}

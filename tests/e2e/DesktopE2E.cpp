// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "e2e/XServer.h"
#include "support/SurfaceCompare.h"

// The built program with the desktop around it: files named on its command
// line, and the real clipboard of the X server read and filled with xclip.
// On a 1280 x 1024 screen at 96 dpi the canvas is at (78, 30).
namespace {

constexpr QPoint kCanvas(78, 30);

bool haveXclip()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty();
}

class DesktopProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(files.isValid()); }

    QString solidPicture(const char* name, QSize size, QRgb colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = files.filePath(QLatin1String(name));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    void key(const char* keys)
    {
        session.xdotool({QStringLiteral("key"), QString::fromLatin1(keys)});
        QThread::msleep(200);
    }

    // Whether the screen shows `colour` at a point of the canvas.
    static bool showsAt(const QImage& shot, QPoint canvasPoint, QRgb colour)
    {
        return (shot.pixel(kCanvas + canvasPoint) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }

    QTemporaryDir files;
    XSession session;
};

} // namespace

TEST_F(DesktopProgramTest, FilesOnTheCommandLineOpenOntoPageOneAndPageTwo)
{
    const QRgb a = qRgb(0, 160, 0), b = qRgb(160, 0, 160);
    ASSERT_TRUE(
        session.startProgram({solidPicture("a.png", {200, 150}, a), solidPicture("b.bmp", {200, 150}, b)}));
    session.waitForFirstPaint();
    QImage shot = session.screenshotWhen([&](const QImage& s) { return showsAt(s, {100, 75}, a); });
    EXPECT_TRUE(showsAt(shot, {100, 75}, a)) << "page 1 does not show a.png";
    EXPECT_TRUE(showsAt(shot, {400, 400}, qRgb(255, 255, 255))) << "the start-up picture shows over page 1";
    key("ctrl+Next");
    shot = session.screenshotWhen([&](const QImage& s) { return showsAt(s, {100, 75}, b); });
    EXPECT_TRUE(showsAt(shot, {100, 75}, b)) << "page 2 does not show b.bmp";
}

TEST_F(DesktopProgramTest, HelpAndAnUnknownOptionAnswerOnTheirStreamsWithTheirExitCodes)
{
    struct Case
    {
        const char* option;
        int exitCode;
        bool onError;
    };
    for (const Case& c : {Case{"--help", 0, false}, Case{"--version", 0, false}, Case{"--nada", 2, true}}) {
        QProcess program;
        program.setProcessEnvironment(session.environment());
        program.start(QStringLiteral(LIENZO_BINARY), {QString::fromLatin1(c.option)});
        ASSERT_TRUE(program.waitForFinished(20000)) << c.option;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.option;
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.option;
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString error = QString::fromUtf8(program.readAllStandardError());
        const QString& answer = c.onError ? error : out;
        EXPECT_FALSE(answer.isEmpty()) << c.option;
        if (c.exitCode != 0 || QLatin1String(c.option) == QLatin1String("--help")) {
            EXPECT_TRUE(answer.contains(QStringLiteral("Uso: lienzo [FICHERO...]"))) << c.option;
        }
        EXPECT_TRUE(session.windowsNamed(QStringLiteral("^Lienzo$")).isEmpty())
            << c.option << " showed a window";
    }
}

TEST_F(DesktopProgramTest, CtrlCGivesOtherProgramsThePageAsPngAndCtrlVPastesTheirPicture)
{
    if (!haveXclip())
        GTEST_SKIP() << "xclip is not installed";
    const QRgb a = qRgb(0, 160, 0);
    ASSERT_TRUE(session.startProgram({solidPicture("a.png", {200, 150}, a)}));
    session.waitForFirstPaint();
    session.screenshotWhen([&](const QImage& s) { return showsAt(s, {100, 75}, a); });

    key("ctrl+c");
    QProcess out;
    out.setProcessEnvironment(session.environment());
    out.start(QStringLiteral("xclip"),
              {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
               QStringLiteral("image/png"), QStringLiteral("-o")});
    ASSERT_TRUE(out.waitForFinished(20000));
    const QImage copied =
        QImage::fromData(out.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(copied.isNull()) << "the clipboard gave no PNG";
    // The page's size, not the screen's nor a picture's.
    EXPECT_GT(copied.width(), 1000);
    EXPECT_LT(copied.width(), 1280 - kCanvas.x() + 1);
    EXPECT_GT(copied.height(), 700);
    EXPECT_EQ(copied.pixel(199, 149), a);
    EXPECT_EQ(copied.pixel(201, 151), qRgb(255, 255, 255));
    EXPECT_EQ(countPixels(copied, kWhite) + countPixels(copied, Colour(0x00A000)),
              copied.width() * copied.height())
        << "the copy holds more than the page";

    const QRgb c = qRgb(255, 128, 0);
    QProcess in;
    in.setProcessEnvironment(session.environment());
    in.setProgram(QStringLiteral("xclip"));
    in.setArguments({QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                     QStringLiteral("image/png"), QStringLiteral("-i"), solidPicture("c.png", {120, 90}, c)});
    // xclip stays behind to serve the clipboard until the X server ends.
    ASSERT_TRUE(in.startDetached());
    QThread::msleep(500);
    key("ctrl+v");
    const QImage pasted = session.screenshotWhen([&](const QImage& s) { return showsAt(s, {60, 45}, c); });
    EXPECT_TRUE(showsAt(pasted, {60, 45}, c)) << "the picture from xclip did not paste";
    EXPECT_TRUE(showsAt(pasted, {150, 120}, a)) << "the paste did not keep the rest of the page";
}

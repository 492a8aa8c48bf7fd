// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include "e2e/XServer.h"
#include "support/SurfaceCompare.h"

// The window's keys pressed on the real program: on a 1280 x 1024 screen at
// 96 dpi the canvas is at (78, 30); figures are drawn below the start-up
// picture, which covers the canvas's top-left 713 x 535 pixels.
namespace {

constexpr QPoint kCanvas(78, 30);
const char* const kStateFolders[] = {"XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};

class KeyboardProgramTest : public ::testing::Test
{
  protected:
    // The program keeps what it keeps under folders of this test's own.
    void SetUp() override
    {
        ASSERT_TRUE(folders.isValid());
        for (const char* name : kStateFolders) {
            saved.push_back(qgetenv(name));
            qputenv(name, folders.filePath(QString::fromLatin1(name)).toLocal8Bit());
        }
        ASSERT_TRUE(session.startProgram()) << "the program's window did not appear";
        session.waitForFirstPaint();
    }

    void TearDown() override
    {
        for (size_t i = 0; i < std::size(kStateFolders); ++i)
            saved[i].isNull() ? qunsetenv(kStateFolders[i]) : qputenv(kStateFolders[i], saved[i]);
    }

    void key(const char* keys)
    {
        session.xdotool({QStringLiteral("key"), QString::fromLatin1(keys)});
        QThread::msleep(150);
    }

    bool inkedAt(const QImage& shot, QPoint canvasPoint)
    {
        return countPixels(shot, kBlack, QRect(kCanvas + canvasPoint - QPoint(3, 3), QSize(7, 7))) > 0;
    }

    // Waits until the screen shows each line as `shown` says.
    void expectLines(bool first, bool second, const char* after)
    {
        const QImage shot = session.screenshotWhen([&](const QImage& s) {
            return inkedAt(s, {225, 600}) == first && inkedAt(s, {225, 700}) == second;
        });
        EXPECT_EQ(inkedAt(shot, {225, 600}), first) << "the first line, after " << after;
        EXPECT_EQ(inkedAt(shot, {225, 700}), second) << "the second line, after " << after;
    }

    bool saveDialogShown()
    {
        return !session
                    .xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                              QStringLiteral("--name"), QStringLiteral("^Guardar como")})
                    .isEmpty();
    }

    QTemporaryDir folders;
    std::vector<QByteArray> saved;
    XSession session;
};

} // namespace

TEST_F(KeyboardProgramTest, CtrlZAndCtrlYUndoAndRedoALineAndCtrlSAsksWhereToSave)
{
    session.click(XSession::mainBarButton(2)); // straight line
    for (int y : {600, 700}) {
        session.drag({kCanvas + QPoint(150, y), kCanvas + QPoint(225, y), kCanvas + QPoint(300, y)});
        session.moveTo(QPoint(5, 1010)); // no crosshair over what is checked
    }
    expectLines(true, true, "drawing them");
    key("ctrl+z");
    expectLines(true, false, "Ctrl+Z");
    key("ctrl+y");
    expectLines(true, true, "Ctrl+Y");

    key("ctrl+s");
    ASSERT_TRUE(XSession::waitFor([&] { return saveDialogShown(); })) << "Ctrl+S opened no \"Guardar como\"";
    key("Escape");
    EXPECT_TRUE(XSession::waitFor([&] { return !saveDialogShown(); })) << "the dialog stayed open";
    EXPECT_TRUE(session.programRunning());
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include "e2e/XServer.h"
#include "support/SurfaceCompare.h"

// A drawing that survives the program being killed: drawn on pages 1 and 3
// of the built program on a virtual X server, kept, the program killed with
// SIGKILL and started again on the same state folder. On a 1280 x 1024 screen
// at 96 dpi the canvas is at (78, 30), 1197 x 963 pixels.
namespace {

constexpr QPoint kCanvas(78, 30);
const QSize kCanvasSize(1197, 963);

QPoint pageButton(int index)
{
    return QPoint(78 + 25 * index + 12, 995 + 12);
}

class RecoveryProgramTest : public ::testing::Test
{
  protected:
    void clickBar(int index) { session.click(XSession::mainBarButton(index)); }

    void dragOnCanvas(QPoint from, QPoint to)
    {
        session.drag({kCanvas + from, kCanvas + (from + to) / 2, kCanvas + to});
        session.moveTo(QPoint(5, 1010));
    }

    // Waits for a message box titled "Lienzo" beside the window and answers
    // it with its default button, Sí.
    bool answerSi()
    {
        if (!XSession::waitFor([&] { return session.windowsNamed(QStringLiteral("^Lienzo$")).size() == 2; }))
            return false;
        for (const QString& id : session.windowsNamed(QStringLiteral("^Lienzo$"))) {
            const QString geometry = session.xdotool({QStringLiteral("getwindowgeometry"), id});
            if (geometry.section(QStringLiteral("Geometry: "), 1).section(QLatin1Char('x'), 0, 0).toInt() <
                1000)
                session.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
        }
        QThread::msleep(300);
        session.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        return XSession::waitFor([&] { return session.windowsNamed(QStringLiteral("^Lienzo$")).size() < 2; });
    }

    // The page saved as a BMP through the save dialog, read back.
    QImage save(const QString& name)
    {
        clickBar(1);
        const QString title = QStringLiteral("^Guardar como");
        if (!XSession::waitFor([&] { return !session.windowsNamed(title).isEmpty(); }))
            return {};
        session.xdotool(
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), session.windowsNamed(title).first()});
        QThread::msleep(300);
        session.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
        session.xdotool(
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), files.filePath(name)});
        QThread::msleep(200);
        session.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        const QString written = files.filePath(name + QStringLiteral(".bmp"));
        XSession::waitFor(
            [&] { return session.windowsNamed(title).isEmpty() && QFileInfo(written).size() > 0; });
        QThread::msleep(200);
        return QImage(written).convertToFormat(QImage::Format_RGB32);
    }

    // The index of the one kept drawing under the session's state folder.
    QString keptIndex()
    {
        const QDir kept(session.stateHome() + QStringLiteral("/lienzo"));
        const QStringList folders = kept.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (folders.size() != 1)
            return {};
        QFile index(kept.filePath(folders.first() + QStringLiteral("/index")));
        return index.open(QIODevice::ReadOnly) ? QString::fromUtf8(index.readAll()) : QString();
    }

    QTemporaryDir files;
    XSession session;
};

} // namespace

TEST_F(RecoveryProgramTest, AfterSigkillSiBringsBothPagesBackAndAnExitLeavesNothingToAsk)
{
    ASSERT_TRUE(session.startProgram());
    session.waitForFirstPaint();
    clickBar(2); // a line on page 1, below the start-up picture
    dragOnCanvas({150, 700}, {450, 760});
    const QImage first = save(QStringLiteral("pagina 1"));
    session.click(pageButton(2));
    clickBar(10); // a rectangle on page 3
    dragOnCanvas({150, 300}, {350, 500});
    const QImage third = save(QStringLiteral("pagina 3"));
    ASSERT_EQ(first.size(), kCanvasSize);
    ASSERT_EQ(third.size(), kCanvasSize);
    ASSERT_LT(countPixels(first, kWhite), kCanvasSize.width() * kCanvasSize.height());
    ASSERT_LT(countPixels(third, kWhite), kCanvasSize.width() * kCanvasSize.height());
    ASSERT_TRUE(XSession::waitFor([&] { return keptIndex().contains(QStringLiteral("pages 0 2")); }))
        << "the drawing was not kept: " << keptIndex().toStdString();
    EXPECT_TRUE(keptIndex().contains(QStringLiteral("showing 2")));

    session.killProgram();
    ASSERT_TRUE(session.startProgram());
    ASSERT_TRUE(answerSi()) << "no question came, or it did not go";
    EXPECT_EQ(firstDifference(save(QStringLiteral("vuelta 3")), third), QPoint(-1, -1))
        << "page 3 did not come back as it was, or was not the one shown";
    session.click(pageButton(0));
    EXPECT_EQ(firstDifference(save(QStringLiteral("vuelta 1")), first), QPoint(-1, -1));
    session.click(pageButton(1));
    const QImage second = save(QStringLiteral("vuelta 2"));
    EXPECT_EQ(countPixels(second, kWhite), kCanvasSize.width() * kCanvasSize.height())
        << "page 2 is not blank";

    clickBar(15);
    ASSERT_TRUE(answerSi()) << "the exit asked nothing";
    ASSERT_TRUE(XSession::waitFor([&] { return !session.programRunning(); }));
    EXPECT_TRUE(QDir(session.stateHome() + QStringLiteral("/lienzo"))
                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                    .isEmpty())
        << "the exit left the kept drawing";

    ASSERT_TRUE(session.startProgram());
    session.waitForFirstPaint();
    QThread::msleep(1500);
    EXPECT_EQ(session.windowsNamed(QStringLiteral("^Lienzo$")).size(), 1) << "the next start asked something";
}

// Two programs killed, as when the power goes with two windows open: the
// newer drawing is offered first, the older one stays and is offered at the
// start after.
TEST_F(RecoveryProgramTest, OfTwoKilledProgramsEachDrawingIsOfferedAtAStartOfItsOwn)
{
    const QDir kept(session.stateHome() + QStringLiteral("/lienzo"));
    const auto folders = [&] { return kept.entryList(QDir::Dirs | QDir::NoDotAndDotDot); };
    ASSERT_TRUE(session.startProgram());
    session.waitForFirstPaint();
    clickBar(2);
    dragOnCanvas({150, 700}, {450, 760});
    ASSERT_TRUE(XSession::waitFor([&] { return folders().size() == 1; }));
    const QString older = folders().first();

    QProcess second;
    second.setProcessEnvironment(session.environment());
    second.start(QStringLiteral(LIENZO_BINARY));
    ASSERT_TRUE(second.waitForStarted(10000));
    ASSERT_TRUE(
        XSession::waitFor([&] { return session.windowsNamed(QStringLiteral("^Lienzo$")).size() == 2; }));
    QThread::msleep(1500); // the second window painted and on top
    clickBar(2);
    dragOnCanvas({150, 300}, {450, 360});
    ASSERT_TRUE(XSession::waitFor([&] { return folders().size() == 2; }));
    second.kill();
    second.waitForFinished(5000);
    session.killProgram();

    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start);
        ASSERT_TRUE(session.startProgram());
        ASSERT_TRUE(answerSi()) << "no question came, or it did not go";
        EXPECT_EQ(folders().size(), 2 - start) << "a drawing was thrown away unasked";
        clickBar(15);
        ASSERT_TRUE(answerSi()) << "the exit asked nothing";
        ASSERT_TRUE(XSession::waitFor([&] { return !session.programRunning(); }));
        if (start == 0) {
            EXPECT_EQ(folders(), QStringList{older}) << "the older drawing was offered first";
        }
    }
    EXPECT_TRUE(folders().isEmpty());
}

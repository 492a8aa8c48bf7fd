// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "app/Captions.h"
#include "e2e/XServer.h"
#include "options/PaletteStrip.h"
#include "support/SurfaceCompare.h"

// The main command bar driven with the real pointer: on a 1280 x 1024 screen
// at 96 dpi the canvas is at (78, 30), 1197 x 963 pixels, with the vertical
// mirror axis 598.5 pixels into it. Figures are drawn below the start-up
// picture, which covers the canvas's top-left 713 x 535 pixels.
namespace {

constexpr QPoint kPalette(80, 8);
constexpr QPoint kCanvas(78, 30);
constexpr int kCanvasWidth = 1197;

class MainBarProgramTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
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

    bool inkedAt(const QImage& shot, QPoint canvasPoint, int reach = 3)
    {
        const QPoint at = kCanvas + canvasPoint;
        return countPixels(shot, kBlack,
                           QRect(at - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1))) > 0;
    }

    QImage shotWhenInked(QPoint canvasPoint)
    {
        return session.screenshotWhen([&](const QImage& s) { return inkedAt(s, canvasPoint); });
    }

    int windowsNamedLienzo()
    {
        const QString ids = session.xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--name"), QStringLiteral("^Lienzo$")});
        return int(ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
    }

    XSession session;
};

} // namespace

TEST_F(MainBarProgramTest, ToolButtonsThenADragDrawLineRectangleAndPentagon)
{
    clickBar(2); // straight line
    dragOnCanvas({150, 600}, {300, 600});
    QImage shot = shotWhenInked({225, 600});
    EXPECT_TRUE(inkedAt(shot, {225, 600})) << "the line is missing";
    EXPECT_TRUE(inkedAt(shot, {kCanvasWidth - 225, 600})) << "the line's mirror image is missing";

    clickBar(10); // rectangle
    dragOnCanvas({150, 680}, {250, 780});
    shot = shotWhenInked({150, 730});
    EXPECT_TRUE(inkedAt(shot, {150, 730}, 2)) << "the rectangle's left side is missing";
    EXPECT_TRUE(inkedAt(shot, {200, 780}, 2)) << "the rectangle's bottom is missing";
    EXPECT_FALSE(inkedAt(shot, {200, 730}, 10)) << "the rectangle is not hollow";
    EXPECT_TRUE(inkedAt(shot, {kCanvasWidth - 150, 730}, 2)) << "the rectangle's mirror image is missing";

    clickBar(12); // regular polygon, five sides by default, centre at the press
    dragOnCanvas({450, 820}, {450, 920});
    shot = shotWhenInked({450, 920});
    EXPECT_TRUE(inkedAt(shot, {450, 920})) << "the vertex under the pointer is missing";
    // The other vertices of the pentagon lie 100 pixels from the centre at
    // 72-degree steps: (545, 851) and (355, 851) among them.
    EXPECT_TRUE(inkedAt(shot, {545, 851})) << "the pentagon's second vertex is missing";
    EXPECT_TRUE(inkedAt(shot, {355, 851})) << "the pentagon's last vertex is missing";
    EXPECT_FALSE(inkedAt(shot, {450, 820}, 10)) << "the pentagon is not hollow";
    EXPECT_FALSE(inkedAt(shot, {kCanvasWidth - 450, 920}, 6)) << "the polygon has no mirror copies";

    clickBar(13); // undo takes the pentagon away and keeps the rest
    shot = session.screenshotWhen([&](const QImage& s) { return !inkedAt(s, {450, 920}); });
    EXPECT_FALSE(inkedAt(shot, {450, 920})) << "undo left the pentagon";
    EXPECT_TRUE(inkedAt(shot, {150, 730}, 2)) << "undo took the rectangle too";
    EXPECT_TRUE(session.programRunning());
}

TEST_F(MainBarProgramTest, TheExitButtonAsksAndNoKeepsTheProgramRunning)
{
    ASSERT_EQ(windowsNamedLienzo(), 1);
    clickBar(15);
    ASSERT_TRUE(XSession::waitFor([&] { return windowsNamedLienzo() == 2; })) << "no question appeared";
    session.xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_TRUE(XSession::waitFor([&] { return windowsNamedLienzo() == 1; })) << "the question stayed open";
    QThread::msleep(300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(session.programRunning()) << "answering No ended the program";

    clickBar(15);
    ASSERT_TRUE(XSession::waitFor([&] { return windowsNamedLienzo() == 2; }))
        << "no question appeared the second time";
    session.xdotool({QStringLiteral("key"), QStringLiteral("Return")}); // Sí is the default answer
    EXPECT_TRUE(XSession::waitFor([&] { return !session.programRunning(); }))
        << "answering Sí did not end the program";
}

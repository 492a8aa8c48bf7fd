// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "options/PictureButton.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

namespace {

constexpr Colour kRed = 0x0000FF;

class MainBarTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.setPlatformServices(&services);
        window.show();
        window.pageClicked(0); // the start-up picture belongs to the canvas only
        window.state().mirrorVertical = false;
    }

    void click(MainCommand command) { window.mainBarClicked(int(command)); }

    // A whole line gesture through the handlers, in pixels of the canvas.
    void line(QPoint from, QPoint to)
    {
        window.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasMoved(1, 0, float(to.x() * 15), float(to.y() * 15));
        window.canvasReleased(1, 0, float(to.x() * 15), float(to.y() * 15));
    }

    // Every option control that a tool button may show, visible or not.
    QStringList shownBars()
    {
        QStringList shown;
        auto bar = [&](const char* name, const auto& buttons) {
            int n = 0;
            for (auto* b : buttons)
                n += b->isVisible();
            if (n > 0)
                shown << QStringLiteral("%1:%2").arg(QLatin1String(name)).arg(n);
        };
        bar("polygon", window.optionBars().polygonMethodBar);
        bar("curve", window.optionBars().curveBar);
        bar("width", window.optionBars().widthBar);
        bar("pattern", window.optionBars().fillPatternBar);
        bar("style", window.optionBars().fontStyleBar);
        bar("eraser", window.optionBars().eraserBar);
        for (auto [name, w] : {std::pair<const char*, QWidget*>{"sidesLabel", window.optionBars().sidesLabel},
                               {"sides", window.optionBars().sidesBox},
                               {"size", window.optionBars().fontSizeBox},
                               {"font", window.optionBars().fontNameBox},
                               {"preview", window.textPreview}})
            if (w->isVisible())
                shown << QLatin1String(name);
        return shown;
    }

    ScriptedServices services;
    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(MainBarTest, EachToolButtonSelectsItsToolAndShowsOnlyItsOptionBar)
{
    const struct
    {
        MainCommand command;
        std::uint8_t tool;
        QStringList bars;
    } cases[] = {
        {MainCommand::Line, Tool::Line, {"width:14"}},
        {MainCommand::Dots, Tool::Dots, {"pattern:2"}},
        {MainCommand::Freehand, Tool::Freehand, {"width:14"}},
        {MainCommand::Curve, Tool::Curve, {"curve:6", "pattern:8"}},
        {MainCommand::Rectangle, Tool::Rectangle, {"pattern:8"}},
        {MainCommand::Fill, Tool::Fill, {}},
        {MainCommand::Polygon, Tool::Polygon, {"polygon:3", "sidesLabel", "sides"}},
        {MainCommand::Text, Tool::Text, {"style:2", "size", "font", "preview"}},
        {MainCommand::Eraser, Tool::Eraser, {"eraser:6"}},
    };
    for (const auto& c : cases) {
        click(c.command);
        EXPECT_EQ(window.state().toolMode, c.tool) << int(c.command);
        EXPECT_EQ(shownBars(), c.bars) << int(c.command);
    }
}

TEST_F(MainBarTest, ACommandButtonKeepsTheToolAndHidesEveryOptionBar)
{
    services.yesNoAnswer = false;
    for (MainCommand command :
         {MainCommand::Print, MainCommand::SnapOn, MainCommand::SnapOff, MainCommand::Undo,
          MainCommand::Clear, MainCommand::Exit, MainCommand::Help}) {
        click(MainCommand::Curve);
        ASSERT_FALSE(shownBars().isEmpty());
        click(command);
        EXPECT_EQ(window.state().toolMode, Tool::Curve) << int(command);
        EXPECT_TRUE(shownBars().isEmpty()) << int(command);
    }
    click(MainCommand::Curve);
    EXPECT_EQ(shownBars(), (QStringList{"curve:6", "pattern:8"})) << "a second click shows the bars again";
}

TEST_F(MainBarTest, TheWidthStepCyclesBelowFiveGrowsAboveAndReachesEveryPage)
{
    window.pageClicked(3);
    std::vector<int> widths;
    for (int i = 0; i < 4; ++i) {
        click(MainCommand::WidthStep);
        widths.push_back(window.state().lineWidth);
    }
    EXPECT_EQ(widths, (std::vector<int>{6, 7, 8, 9}));
    EXPECT_EQ(window.state().toolMode, Tool::Freehand) << "the width button selects no tool";
    EXPECT_EQ(shownBars(), QStringList{"width:14"});

    window.state().lineWidth = 1;
    widths.clear();
    for (int i = 0; i < 5; ++i) {
        click(MainCommand::WidthStep);
        widths.push_back(window.state().lineWidth);
    }
    EXPECT_EQ(widths, (std::vector<int>{2, 3, 4, 1, 2}));
    EXPECT_EQ(window.canvas().drawWidth(), 2);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.page(i).drawWidth(), 2) << "page " << i;
}

TEST_F(MainBarTest, TheWidthStepAtTheLargestWidthSkipsTheOverflowAndGoesOn)
{
    window.state().lineWidth = 32767;
    window.canvas().setDrawWidth(3);
    window.page(5).setDrawWidth(3);
    click(MainCommand::WidthStep);
    EXPECT_EQ(window.state().lineWidth, 32767);
    EXPECT_EQ(window.canvas().drawWidth(), 32767) << "the statements after the overflow did not run";
    EXPECT_EQ(window.page(5).drawWidth(), 32767);
}

TEST_F(MainBarTest, SnappingTakesTheGridChoiceOrTurnsOff)
{
    window.state().gridSizeIndex = 0;
    click(MainCommand::SnapOn);
    EXPECT_EQ(window.state().gridStep, 50);
    window.state().gridSizeIndex = 7;
    click(MainCommand::SnapOn);
    EXPECT_EQ(window.state().gridStep, 400);
    click(MainCommand::SnapOff);
    EXPECT_EQ(window.state().gridStep, 1);
    window.canvasMoved(0, 0, 1234.4f, 777.5f);
    EXPECT_EQ(window.state().pointerX, 1234);
    EXPECT_EQ(window.state().pointerY, 778);
}

TEST_F(MainBarTest, ClearRightAfterALineThenUndoBringsBackThePageBeforeTheLine)
{
    click(MainCommand::Line);
    line({100, 100}, {300, 100});
    const QImage withFirst = window.page(0).persistentImage().copy();
    line({100, 200}, {300, 200});
    click(MainCommand::Clear);
    EXPECT_EQ(countPixels(window.canvas().persistentImage(), kWhite),
              window.canvas().sizePx().width() * window.canvas().sizePx().height());
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), window.page(0).persistentImage()),
              QPoint(-1, -1));
    click(MainCommand::Undo);
    EXPECT_EQ(firstDifference(window.page(0).persistentImage(), withFirst), QPoint(-1, -1))
        << "undo after clear did not show the page before the last line";
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), withFirst), QPoint(-1, -1));
}

TEST_F(MainBarTest, ClearWhitensFillColourOfTheCurrentPageOnly)
{
    window.canvas().setFillColor(kRed);
    window.page(0).setFillColor(kRed);
    window.page(1).setFillColor(kRed);
    click(MainCommand::Clear);
    EXPECT_EQ(window.canvas().fillColor(), kWhite);
    EXPECT_EQ(window.page(0).fillColor(), kWhite);
    EXPECT_EQ(window.page(1).fillColor(), kRed);
    EXPECT_FALSE(window.canvas().autoRedraw());
    EXPECT_TRUE(window.page(0).autoRedraw()) << "the eraser must still reach the page after a clear";
}

TEST_F(MainBarTest, TheHelpPictureShowsOnTheCanvasOnlyAndGoesAtAPageSwitch)
{
    const QImage page = window.page(0).persistentImage().copy();
    click(MainCommand::Help);
    const QImage& shown = window.canvas().persistentImage();
    EXPECT_LT(countPixels(shown, kWhite, QRect(0, 0, 713, 536)), 713 * 536)
        << "no help picture on the canvas";
    EXPECT_EQ(firstDifference(window.page(0).persistentImage(), page), QPoint(-1, -1));

    click(MainCommand::Line);
    line({900, 300}, {950, 300});
    EXPECT_EQ(pixelAt(window.page(0).persistentImage(), 920, 300), kBlack);
    EXPECT_EQ(countPixels(window.page(0).persistentImage(), kWhite, QRect(0, 0, 713, 536)), 713 * 536)
        << "the help picture reached the page";

    window.pageClicked(0);
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), window.page(0).persistentImage()),
              QPoint(-1, -1));
}

TEST_F(MainBarTest, TheTextButtonEmptiesTheEntryAndThePreviewEveryTime)
{
    click(MainCommand::Text);
    window.textEntry()->setText(QStringLiteral("hola"));
    window.textPreview->setText(QStringLiteral("hola"));
    click(MainCommand::Text);
    EXPECT_TRUE(window.textEntry()->text().isEmpty());
    EXPECT_TRUE(window.textPreview->text().isEmpty());
    EXPECT_EQ(window.state().toolMode, Tool::Text);
}

TEST_F(MainBarTest, ExitAsksAndOnlyYesEndsTheProgram)
{
    services.yesNoAnswer = false;
    click(MainCommand::Exit);
    EXPECT_EQ(services.questions, QStringList{QStringLiteral("Quieres salir del programa")});
    EXPECT_EQ(services.endRequests, 0);

    services.yesNoAnswer = true;
    click(MainCommand::Exit);
    EXPECT_EQ(services.endRequests, 1);
}

TEST_F(MainBarTest, ClosingTheWindowAsksTheSameQuestion)
{
    services.yesNoAnswer = false;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(services.questions, QStringList{QStringLiteral("Quieres salir del programa")});
    services.yesNoAnswer = true;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(services.questions.size(), 2);
}

TEST_F(MainBarTest, SaveThenOpenThroughTheBarRoundTripsThePage)
{
    QTemporaryDir folder;
    click(MainCommand::Line);
    window.state().colourRed = 255;
    line({50, 60}, {400, 300});
    const QImage drawn = window.page(0).persistentImage().copy();

    services.saveAnswer = folder.filePath(QStringLiteral("dibujo"));
    click(MainCommand::Save);
    ASSERT_TRUE(QFile::exists(folder.filePath(QStringLiteral("dibujo.bmp"))));
    click(MainCommand::Clear);

    services.openAnswer = folder.filePath(QStringLiteral("dibujo.bmp"));
    click(MainCommand::Open);
    EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(firstDifference(window.page(0).persistentImage(), drawn), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), drawn), QPoint(-1, -1));
}

TEST_F(MainBarTest, PrintSendsTheCanvasWithoutTheRubberBand)
{
    click(MainCommand::Line);
    line({50, 60}, {400, 300});
    window.canvasPressed(1, 0, 600 * 15, 600 * 15);
    window.canvasMoved(1, 0, 700 * 15, 650 * 15); // a rubber band on the screen layer
    click(MainCommand::Print);
    ASSERT_EQ(services.printed.size(), 1u);
    EXPECT_EQ(firstDifference(services.printed[0].image, window.canvas().persistentImage()), QPoint(-1, -1));
    EXPECT_NEAR(services.printed[0].sizeInches.width(), window.canvas().width() / 1440.0, 1e-9);

    services.printerPresent = false;
    click(MainCommand::Print); // nothing happens and nothing breaks
    EXPECT_EQ(services.printed.size(), 1u);
}

TEST_F(MainBarTest, TheColourButtonSetsTheDrawingColourAndTheCurrentPageFill)
{
    window.pageClicked(2);
    services.colourAnswer = Colour(0xFF0000);
    click(MainCommand::Colour);
    EXPECT_EQ(window.state().colour(), 0xFF0000u);
    EXPECT_EQ(window.canvas().fillColor(), 0xFF0000u);
    EXPECT_EQ(window.page(2).fillColor(), 0xFF0000u);
    EXPECT_NE(window.page(1).fillColor(), 0xFF0000u);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/Artwork.h"
#include "app/HandlerGuard.h"
#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "files/ColourChooser.h"
#include "files/PictureFiles.h"
#include "files/Printing.h"
#include "options/PictureButton.h"

namespace {

template <size_t N> void setShown(const std::array<PictureButton*, N>& bar, size_t count, bool shown)
{
    for (size_t i = 0; i < count && i < N; ++i)
        bar[i]->setVisible(shown);
}

template <size_t N> void setShown(const std::array<PictureButton*, N>& bar, bool shown)
{
    setShown(bar, N, shown);
}

} // namespace

void MainWindow::hideOptionBars()
{
    textPreview->hide();
    if (!hasOptionBars())
        return;
    const OptionBars& b = m_optionBars;
    setShown(b.polygonMethodBar, false);
    b.sidesLabel->hide();
    b.sidesBox->hide();
    setShown(b.curveBar, false);
    setShown(b.widthBar, false);
    setShown(b.fillPatternBar, false);
    setShown(b.eraserBar, false);
    b.fontSizeBox->hide();
    b.fontNameBox->hide();
    setShown(b.fontStyleBar, false);
}

void MainWindow::selectTool(std::uint8_t tool)
{
    m_state.toolMode = tool;
    switch (tool) {
    case Tool::Line:
    case Tool::Freehand:
        setShown(optionBars().widthBar, true);
        break;
    case Tool::Dots:
        // Dots are either solid or hollow: only the first two patterns apply.
        setShown(optionBars().fillPatternBar, 2, true);
        break;
    case Tool::Curve:
        setShown(optionBars().fillPatternBar, true);
        setShown(optionBars().curveBar, true);
        break;
    case Tool::Rectangle:
        setShown(optionBars().fillPatternBar, true);
        break;
    case Tool::Polygon:
        setShown(optionBars().polygonMethodBar, true);
        optionBars().sidesLabel->show();
        optionBars().sidesBox->show();
        break;
    case Tool::Eraser:
        setShown(optionBars().eraserBar, true);
        break;
    default:
        break;
    }
}

// Every click first hides the option bars. From then on a failing statement
// is skipped and the click goes on with the next one.
void MainWindow::mainBarClicked(int index)
{
    hideOptionBars();
    const MainCommand command = MainCommand(index);
    attempt([&] { runMainCommand(command); });
    // However far they got, these may have changed the page.
    if (command == MainCommand::Open || command == MainCommand::Undo || command == MainCommand::Clear)
        keepPage();
}

void MainWindow::runMainCommand(MainCommand command)
{
    switch (command) {
    case MainCommand::Open:
        openPicture(m_state, m_canvas, currentPage(), *m_platform);
        break;
    case MainCommand::Save:
        savePicture(m_state, m_canvas, m_pages, *m_platform);
        break;
    case MainCommand::Line:
        selectTool(Tool::Line);
        break;
    case MainCommand::Dots:
        selectTool(Tool::Dots);
        break;
    case MainCommand::Freehand:
        selectTool(Tool::Freehand);
        break;
    case MainCommand::SnapOn:
        m_state.gridStep = mul16(m_state.gridSizeIndex + 1, 50);
        break;
    case MainCommand::SnapOff:
        m_state.gridStep = 1;
        break;
    case MainCommand::WidthStep:
        stepLineWidth();
        break;
    case MainCommand::Curve:
        selectTool(Tool::Curve);
        break;
    case MainCommand::Print:
        printCanvas(m_canvas, *m_platform);
        break;
    case MainCommand::Rectangle:
        selectTool(Tool::Rectangle);
        break;
    case MainCommand::Fill:
        selectTool(Tool::Fill);
        break;
    case MainCommand::Polygon:
        selectTool(Tool::Polygon);
        break;
    case MainCommand::Undo:
        undoStep(m_state, m_historyRings, m_canvas, currentPage());
        break;
    case MainCommand::Clear:
        clearPage();
        break;
    case MainCommand::Exit:
        askToQuit();
        break;
    case MainCommand::Text:
        selectTextTool();
        break;
    case MainCommand::Colour:
        chooseColour(m_state, m_canvas, currentPage(), *m_platform);
        break;
    case MainCommand::Eraser:
        selectTool(Tool::Eraser);
        break;
    case MainCommand::Help:
        showHelpPicture();
        break;
    }
}

// Widths below 5 cycle 1, 2, 3, 4; from 5 upwards each click adds one. At the
// largest width the addition fails and is skipped, and the rest still runs.
void MainWindow::stepLineWidth()
{
    setShown(optionBars().widthBar, true);
    attempt([&] { m_state.lineWidth = add16(m_state.lineWidth, 1); });
    if (m_state.lineWidth == 5)
        m_state.lineWidth = 1;
    m_canvas.setDrawWidth(m_state.lineWidth);
    for (Surface& page : m_pages)
        page.setDrawWidth(m_state.lineWidth);
}

// Empties the canvas and the current page and whitens them. The page's history
// is kept, so an undo step brings back what was there.
void MainWindow::clearPage()
{
    Surface& page = currentPage();
    m_canvas.setAutoRedraw(true);
    m_canvas.setBackColor(kWhite);
    m_canvas.setFillColor(kWhite);
    page.setAutoRedraw(true);
    m_canvas.setPicture(Picture());
    page.setPicture(Picture());
    page.setBackColor(kWhite);
    page.setFillColor(kWhite);
    m_canvas.setAutoRedraw(false);
    // A page buffer keeps drawing on its persistent image between gestures.
    page.setAutoRedraw(true);
}

void MainWindow::askToQuit()
{
    if (m_platform->askYesNo(tr("Quieres salir del programa"))) {
        quitConfirmed();
        m_platform->endProgram();
    }
}

void MainWindow::selectTextTool()
{
    m_state.toolMode = Tool::Text;
    if (m_textEntry)
        m_textEntry->setText(QString());
    textPreview->setText(QString());
    textPreview->show();
    const OptionBars& b = optionBars();
    b.fontSizeBox->show();
    fillFontList();
    b.fontNameBox->show();
    setShown(b.fontStyleBar, true);
}

// The help picture is drawn the first time it is asked for; it goes to the
// canvas only, never to the page.
void MainWindow::showHelpPicture()
{
    if (helpPicture.isNull())
        helpPicture = Artwork::helpPicture();
    m_canvas.setPicture(helpPicture);
}

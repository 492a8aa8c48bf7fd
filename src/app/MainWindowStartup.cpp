// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PictureButton.h"

void MainWindow::startUp()
{
    m_state.mirrorVertical = true;
    arrangeControls();
    applyStartValues(m_state);
    symmetryBar[1]->setBackColor(kGreen);
    for (Surface& page : m_pages)
        page.setDrawWidth(5);

    // The axes cross at the canvas's centre, taken to the grid.
    const QRectF canvas = twipGeometry(m_canvasView);
    m_state.mirrorAxisX = snapToGrid(canvas.width() / 2, m_state.gridStep);
    m_state.mirrorAxisY = snapToGrid(canvas.height() / 2, m_state.gridStep);

    createHistorySlots();

    m_paletteStrip.setBackColor(kWhite);
    m_pages[0].setBackColor(kWhite);

    m_canvas.setFontSize(kStartFontSize);
    m_canvas.setBackColor(kWhite);
    // The start-up picture is laid on the canvas once its size and colour are
    // final, so that it is composed once.
    const Artwork::StartupArt art =
        m_startupArt ? m_startupArt->take() : Artwork::startupArt(barButtonPixels(m_twipsPerPixel));
    m_startupArt.reset();
    m_canvas.setPicture(art.picture);
    m_canvas.setFillColor(kWhite);
    m_canvas.setFontName(QStringLiteral("arial"));
    // The pages take the canvas's fill colour too: left at the surfaces'
    // black, a fill before any colour choice would leave the canvas white and
    // paint the page black, and so would every filled figure after it.
    for (Surface& page : m_pages) {
        page.setFontSize(kStartFontSize);
        page.setFontName(QStringLiteral("arial"));
        page.setFillColor(kWhite);
    }
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(18);
    textPreview->setFont(labelFont);

    cursorPicture = art.cursor;
    for (size_t i = 0; i < m_mainBar.size(); ++i)
        m_mainBar[i]->setIconPicture(art.mainBarIcons.at(i));
    for (size_t i = 0; i < gridSizeBar.size(); ++i)
        gridSizeBar[i]->setIconPicture(art.gridSizeIcons.at(i));
    for (size_t i = 0; i < symmetryBar.size(); ++i)
        symmetryBar[i]->setIconPicture(art.symmetryIcons.at(i));
    m_canvasView->setCursor(QCursor(QPixmap::fromImage(cursorPicture), 8, 8));

    const QSizeF screen = layoutScreen();
    resize(int(std::lround(screen.width() / m_twipsPerPixel)),
           int(std::lround(screen.height() / m_twipsPerPixel)));
    setWindowIcon(Artwork::windowIcon(art.windowIcon));
}

// Fills the font name list with the screen's fonts, in the order the system
// reports them, keeping the name shown in the box.
void MainWindow::fillFontList()
{
    QComboBox* box = optionBars().fontNameBox;
    if (box->count() > 0)
        return;
    const QString shown = box->currentText();
    box->addItems(QFontDatabase::families());
    box->setEditText(shown);
}

void MainWindow::createHistorySlots()
{
    for (HistoryRing& ring : m_historyRings)
        ring = HistoryRing();
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "files/PlatformServices.h"
#include "recovery/DrawingKeeper.h"
#include "recovery/KeptDrawing.h"

void MainWindow::keepPage()
{
    runHandler([&] { m_keeper->keep(m_state.currentPage, currentPage().image()); });
}

// A normal end takes the kept drawing with it: the next start asks nothing.
void MainWindow::quitConfirmed()
{
    m_quitConfirmed = true;
    m_keeper->discard();
}

// Only the newest drawing is offered; the others go once it is answered, so
// that a start cut short before the answer loses none of them.
void MainWindow::offerRecovery()
{
    runHandler([&] {
        StaleDrawings stale = findStaleDrawings(m_keeper->root());
        if (stale.offer) {
            if (m_platform->askYesNo(
                    QStringLiteral("Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?")))
                restoreDrawing(*stale.offer);
            else
                stale.offer->folder->remove();
        }
        for (StaleDrawing& other : stale.others)
            other.folder->remove();
    });
}

// Every kept page goes back on its page, a damaged or missing one as a blank
// page, and the page that was showing is selected. The history rings are
// still empty from start-up. The keeper takes the folder over, so the
// drawing goes on being kept where it is.
void MainWindow::restoreDrawing(StaleDrawing& drawing)
{
    const std::array<Picture, kPageCount> pages = readKeptPages(drawing.folder->path(), drawing.index);
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i].setPicture(pages[i]);
    const int showing = drawing.index.showingPage;
    m_keeper->adopt(std::move(drawing.folder), pages, showing);
    pageClicked(showing);
}

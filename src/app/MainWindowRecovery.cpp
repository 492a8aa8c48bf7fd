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

void MainWindow::keepPages(const std::vector<int>& pages)
{
    for (int index : pages)
        runHandler([&] { m_keeper->keep(index, m_pages.at(size_t(index)).image()); });
}

// A normal end takes the kept drawing with it: the next start asks nothing.
void MainWindow::quitConfirmed()
{
    m_quitConfirmed = true;
    m_keeper->discard();
}

// Only the newest drawing is offered, one question per start. The other
// drawings that hold a page stay on disk, to be offered at the starts that
// follow; "No" removes only the drawing it answered. A drawing that holds no
// page has nothing to lose and goes.
void MainWindow::offerRecovery()
{
    runHandler([&] {
        StaleDrawings stale = findStaleDrawings(m_keeper->root());
        if (stale.offer) {
            if (m_platform->askYesNo(tr("Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?")))
                restoreDrawing(*stale.offer);
            else
                stale.offer->folder->remove();
        }
        for (StaleDrawing& other : stale.others)
            if (other.index.pages.empty())
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

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "app/Shortcuts.h"
#include "options/PictureButton.h"

// The keys belong to the whole window: they work wherever the keyboard is,
// the hidden text entry of the text tool included.
void MainWindow::createShortcuts()
{
    auto add = [this](QKeyCombination keys, auto run) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, run);
    };
    for (const Shortcuts::MainBarKey& k : Shortcuts::mainBar)
        add(k.keys, [this, index = int(k.command)] { mainBarClicked(index); });
    for (QKeyCombination keys : Shortcuts::redo)
        add(keys, [this] { redoRequested(); });
    add(Shortcuts::nextPage, [this] { turnPage(1); });
    add(Shortcuts::previousPage, [this] { turnPage(-1); });
    add(Shortcuts::copy, [this] { copyRequested(); });
    add(Shortcuts::paste, [this] { pasteRequested(); });
}

// A line edit claims Ctrl+Z and Ctrl+Y for undoing its own typing. The text
// entry is hidden and its typing is the text tool's, so the window's keys
// win there; every other key, plain typing above all, still reaches it.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_textEntry && event->type() == QEvent::ShortcutOverride &&
        Shortcuts::isWindowKey(static_cast<QKeyEvent*>(event)->keyCombination())) {
        event->ignore();
        return true;
    }
    if (canvasDragEvent(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Redo answers as the undo button does: the option bars hide first, and
// the page it brings back is kept as any other change is.
void MainWindow::redoRequested()
{
    hideOptionBars();
    attempt([&] { redoStep(m_state, m_historyRings, m_canvas, currentPage()); });
    keepPage();
}

// The next or the previous page, as its page button would show it; there is
// no page before the first nor after the tenth.
void MainWindow::turnPage(int step)
{
    const int target = int(m_state.currentPage) + step;
    if (target >= 0 && target < kPageCount)
        pageClicked(target);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <utility>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "files/DesktopData.h"
#include "files/PictureFiles.h"
#include "files/PlatformServices.h"
#include "pages/PastePicture.h"

// The pictures go on their pages before the window first shows, so the
// start-up picture never shows when one of them opened; the messages wait
// for the window, so that they stand in front of it.
void MainWindow::startWithFiles(const QStringList& files)
{
    m_startedWithFiles = true;
    runHandler([&] {
        const OpenedPages result = openFilesOntoPages(files, 0, m_state.currentPage, m_canvas, m_pages);
        m_startMessages = result.messages;
        if (!result.opened.empty())
            pageClicked(0);
        keepPages(result.opened);
    });
}

// With files named, a kept drawing is left on disk untouched: it is offered
// at the next start without files.
void MainWindow::windowShown()
{
    if (!m_startedWithFiles) {
        offerRecovery();
        return;
    }
    const QStringList messages = std::exchange(m_startMessages, {});
    for (const QString& message : messages)
        runHandler([&] { m_platform->inform(message); });
}

void MainWindow::filesDropped(const QStringList& files)
{
    OpenedPages result;
    runHandler([&] {
        result = openFilesOntoPages(files, m_state.currentPage, m_state.currentPage, m_canvas, m_pages);
    });
    for (const QString& message : result.messages)
        runHandler([&] { m_platform->inform(message); });
    keepPages(result.opened);
}

// The page itself goes, at its size, without the start-up or help picture
// the canvas may be showing over it.
void MainWindow::copyRequested()
{
    runHandler(
        [&] { QGuiApplication::clipboard()->setMimeData(pictureMimeData(currentPage().image().toImage())); });
}

void MainWindow::pasteRequested()
{
    runHandler([&] {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const std::optional<QImage> picture = clipboardPicture(data);
        if (!picture) {
            if (holdsPicture(data))
                m_platform->inform(notAPictureMessage());
            return;
        }
        pastePicture(m_state, m_historyRings, m_canvas, currentPage(), *picture);
    });
    keepPage();
}

void MainWindow::acceptDrops()
{
    m_canvasView->setAcceptDrops(true);
    m_canvasView->installEventFilter(this);
}

// Only local files may be dropped; anything else is refused as soon as it
// is dragged over the canvas, so the pointer shows that it cannot land.
bool MainWindow::canvasDragEvent(QObject* watched, QEvent* event)
{
    if (watched != m_canvasView)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = droppedFiles(drop->mimeData());
    if (files.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        filesDropped(files);
    return true;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/TextOptions.h"
#include "tools/TextTool.h"

namespace {

// The preview label always fits its caption exactly.
void showCaption(QLabel& label, const QString& caption)
{
    label.setText(caption);
    label.adjustSize();
}

} // namespace

void MainWindow::fontSizeChosen()
{
    runHandler(
        [&] { chooseFontSize(optionBars().fontSizeBox->currentText(), m_canvas, m_pages, *textPreview); });
}

void MainWindow::fontNameChosen()
{
    runHandler(
        [&] { chooseFontName(optionBars().fontNameBox->currentText(), m_canvas, m_pages, *textPreview); });
}

void MainWindow::fontStyleClicked(int index)
{
    runHandler([&] { toggleFontStyle(index, optionBars().fontStyleBar, m_canvas, m_pages, *textPreview); });
}

// Every change of the text entry, typed or set by the program, echoes it in
// the preview and marks text as pending; the refresh takes away the text the
// last pointer move showed, and the next move shows the new one.
void MainWindow::textEdited()
{
    runHandler([&] {
        showCaption(*textPreview, enteredText());
        m_state.textTyped = true;
        m_canvas.refresh();
    });
}

// The prompt goes next to the press point. Pending text is written at the
// pointer; emptying the entry then runs textEdited, which marks text as
// pending again, so the flag is cleared only after it.
void MainWindow::placeText()
{
    textEntry()->setFocus();
    const double k = m_twipsPerPixel;
    place(textPreview, add32(m_state.anchorX, 475), sub32(m_state.anchorY, 150), textPreview->width() * k,
          textPreview->height() * k);
    showCaption(*textPreview, tr("Escribe"));
    if (!m_state.textTyped)
        return;
    writeText(m_state, m_canvas, currentPage(), enteredText());
    showCaption(*textPreview, QString());
    m_textEntry->setText(QString());
    m_state.textTyped = false;
}

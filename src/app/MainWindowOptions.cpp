// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "options/PenOptions.h"

void MainWindow::widthClicked(int index)
{
    runHandler([&] { chooseLineWidth(m_state, optionBars().widthBar, index, m_canvas, m_pages); });
}

void MainWindow::fillPatternClicked(int index)
{
    runHandler([&] { chooseFillPattern(m_state, index, m_canvas, m_pages); });
}

void MainWindow::eraserSizeClicked(int index)
{
    runHandler([&] { chooseEraserSize(m_state, index); });
}

// Any mouse button picks; x and y are in the strip's own twips.
void MainWindow::paletteClicked(int, int, float x, float y)
{
    runHandler([&] {
        pickPaletteColour(m_state, m_paletteStrip, QPointF(x, y), m_canvas, currentPage(), *textPreview);
    });
}

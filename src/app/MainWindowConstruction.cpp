// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HandlerGuard.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/ConstructionChoices.h"
#include "options/GridAndSymmetry.h"

void MainWindow::gridSizeClicked(int index)
{
    runHandler([&] {
        chooseGridSize(m_state, gridSizeBar, index, twipGeometry(m_canvasView).size(), m_canvas,
                       currentPage());
    });
}

void MainWindow::symmetryClicked(int index)
{
    runHandler([&] { chooseSymmetry(m_state, symmetryBar, index); });
}

void MainWindow::polygonMethodClicked(int index)
{
    runHandler([&] { choosePolygonMethod(m_state, index); });
}

void MainWindow::curveModeClicked(int index)
{
    runHandler([&] { chooseCurveMode(m_state, index); });
}

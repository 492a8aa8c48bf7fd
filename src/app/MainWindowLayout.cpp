// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include <QComboBox>
#include <QLabel>

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PictureButton.h"

// The layout fits the canvas to the screen and lines the page buttons and the
// option bars up beneath it. A screen smaller than 800 x 600 pixels' worth of
// twips would leave no room for the canvas and the option bars; the window is
// then laid out for that minimum instead, and extends past the screen's edge.

namespace {

constexpr double kMinimumScreenWidth = 12000;
constexpr double kMinimumScreenHeight = 9000;

} // namespace

template <size_t N> void MainWindow::chain(const std::array<PictureButton*, N>& bar, double left)
{
    setTop(bar[0], topOf(pageButtons[0]));
    setLeft(bar[0], left);
    for (size_t i = 1; i < N; ++i) {
        setTop(bar[i], topOf(pageButtons[0]));
        setLeft(bar[i], leftOf(bar[i - 1]) + widthOf(bar[i - 1]));
    }
}

void MainWindow::arrangeControls()
{
    m_layoutScreen = QSizeF(std::max(m_screenTwips.width(), kMinimumScreenWidth),
                            std::max(m_screenTwips.height(), kMinimumScreenHeight));
    const double screenWidth = m_layoutScreen.width();
    const double screenHeight = m_layoutScreen.height();

    for (int i = 1; i <= 9; ++i) {
        // Each further page button copies the first one's size and starts hidden.
        pageButtons[size_t(i)] = makeButton(leftOf(pageButtons[0]), topOf(pageButtons[0]),
                                            widthOf(pageButtons[0]), heightOf(pageButtons[0]));
        pageButtons[size_t(i)]->hide();
        pageButtons[size_t(i)]->setAccessibleName(tr("Página %1").arg(i + 1));
        pageButtons[size_t(i)]->setToolTip(pageButtons[size_t(i)]->accessibleName());
        pageButtons[size_t(i)]->setText(QString::number(i + 1));
        page(i).setBackColor(kWhite);
    }
    pageButtons[0]->setBackColor(kBlue);

    QWidget* canvas = m_canvasView;
    setTop(m_paletteView, topOf(m_mainBar[0]));
    setTop(canvas, topOf(m_paletteView) + heightOf(m_paletteView) + 20);
    setLeft(canvas, leftOf(m_mainBar[1]) + widthOf(m_mainBar[1]) + 75);
    setWidth(canvas, screenWidth - leftOf(canvas) - 75);
    setHeight(canvas, screenHeight - topOf(canvas) - heightOf(pageButtons[0]) - 80);

    setTop(pageButtons[0], topOf(canvas) + heightOf(canvas) + 20);
    setLeft(pageButtons[0], leftOf(canvas));
    for (size_t i = 0; i < 10; ++i) {
        m_pageBoxes[i] = twipGeometry(canvas);
        m_pages[i].resize(m_canvas.sizePx());
    }
    for (size_t i = 1; i <= 9; ++i) {
        setTop(pageButtons[i], topOf(pageButtons[0]));
        setLeft(pageButtons[i], leftOf(pageButtons[i - 1]) + widthOf(pageButtons[i - 1]));
        pageButtons[i]->show();
    }
}

// The option bars start after the last page button, one over the other:
// only one tool's bars show at a time.
void MainWindow::arrangeOptionBars()
{
    OptionBars& b = m_optionBars;
    const double x0 = leftOf(pageButtons[9]) + 1000;
    chain(b.polygonMethodBar, x0);
    setTop(b.sidesLabel, topOf(b.polygonMethodBar[0]));
    setTop(b.sidesBox, topOf(b.polygonMethodBar[0]));
    setLeft(b.sidesLabel, leftOf(b.polygonMethodBar[2]) + widthOf(b.polygonMethodBar[2]) + 100);
    setLeft(b.sidesBox, leftOf(b.sidesLabel) + widthOf(b.sidesLabel) + 50);
    chain(b.curveBar, x0);
    chain(b.widthBar, x0);
    chain(b.fillPatternBar, leftOf(b.curveBar[5]) + 400);

    for (QWidget* w : {static_cast<QWidget*>(b.fontSizeBox), static_cast<QWidget*>(b.fontNameBox),
                       static_cast<QWidget*>(b.fontStyleBar[0]), static_cast<QWidget*>(b.fontStyleBar[1])})
        setTop(w, topOf(pageButtons[0]));
    setLeft(b.fontSizeBox, x0);
    setLeft(b.fontNameBox, leftOf(b.fontSizeBox) + widthOf(b.fontSizeBox) + 150);
    setLeft(b.fontStyleBar[0], leftOf(b.fontNameBox) + widthOf(b.fontNameBox) + 100);
    setLeft(b.fontStyleBar[1], leftOf(b.fontStyleBar[0]) + widthOf(b.fontStyleBar[0]) + 25);
    chain(b.eraserBar, x0);
}

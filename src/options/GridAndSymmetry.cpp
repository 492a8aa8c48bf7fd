// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/GridAndSymmetry.h"

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "options/PictureButton.h"

void chooseGridSize(EditorState& s, GridSizeBar& bar, int index, QSizeF canvasTwips, Surface& canvas,
                    const Surface& page)
{
    markGridSize(bar, index);
    setGridStep(s, index, canvasTwips);
    drawGridDots(canvas, page, s.gridStep, canvasTwips);
    s.gridSizeIndex = std::uint8_t(index);
}

void markGridSize(GridSizeBar& bar, int index)
{
    PictureButton* chosen = bar.at(size_t(index));
    for (PictureButton* b : bar)
        if (b->backColor() == kGreen)
            b->setBackColor(kWhite);
    chosen->setBackColor(kGreen);
}

void setGridStep(EditorState& s, int index, QSizeF canvasTwips)
{
    s.gridStep = mul16(add16(index, 1), 50);
    s.mirrorAxisX = snapToGrid(canvasTwips.width() / 2, s.gridStep);
    s.mirrorAxisY = snapToGrid(canvasTwips.height() / 2, s.gridStep);
}

void drawGridDots(Surface& canvas, const Surface& page, std::int32_t step, QSizeF canvasTwips)
{
    canvas.setAutoRedraw(true);
    canvas.setPicture(page.image());
    canvas.setDrawWidth(1);
    canvas.plotGrid(step, canvasTwips.width(), canvasTwips.height());
    canvas.setAutoRedraw(false);
}

void chooseSymmetry(EditorState& s, SymmetryBar& bar, int index)
{
    if (index == 0) {
        s.mirrorVertical = false;
        s.mirrorHorizontal = false;
        s.mirrorCentral = false;
        bar[0]->setBackColor(kGreen);
        for (size_t j = 1; j <= 3; ++j)
            bar[j]->setBackColor(kWhite);
        return;
    }
    bool* flag = nullptr;
    switch (index) {
    case 1:
        flag = &s.mirrorVertical;
        break;
    case 2:
        flag = &s.mirrorHorizontal;
        break;
    case 3:
        flag = &s.mirrorCentral;
        break;
    default:
        return;
    }
    // The button's colour is the mirroring's state; the flag follows it.
    PictureButton* button = bar[size_t(index)];
    const bool wasOn = button->backColor() == kGreen;
    button->setBackColor(wasOn ? kWhite : kGreen);
    *flag = !wasOn;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/PenOptions.h"

#include <stdexcept>

#include <QLabel>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "options/PictureButton.h"

void chooseLineWidth(EditorState& s, const std::array<PictureButton*, 14>& widthBar, int index,
                     Surface& canvas, std::array<Surface, kPageCount>& pages)
{
    PictureButton* chosen = widthBar.at(size_t(index));
    for (PictureButton* button : widthBar)
        if (button->backColor() == kGreen)
            button->setBackColor(kWhite);
    chosen->setBackColor(kGreen);
    s.lineWidth = add16(index, 1);
    canvas.setDrawWidth(s.lineWidth);
    for (Surface& page : pages)
        page.setDrawWidth(s.lineWidth);
}

void chooseFillPattern(EditorState& s, int index, Surface& canvas, std::array<Surface, kPageCount>& pages)
{
    if (index < 0 || index > 7)
        throw std::out_of_range("fill pattern");
    s.fillPattern = std::uint8_t(index);
    canvas.setFillStyle(s.fillPattern);
    for (Surface& page : pages)
        page.setFillStyle(s.fillPattern);
}

void chooseEraserSize(EditorState& s, int index)
{
    s.eraserHalfSize = add16(mul16(25, index), 20);
}

bool pickPaletteColour(EditorState& s, const Surface& strip, QPointF at, Surface& canvas, Surface& page,
                       QLabel& preview)
{
    const qint64 picked = strip.pixel(at);
    if (picked < 0)
        return false;
    const Colour c = Colour(picked);
    s.colourRed = redOf(c);
    s.colourGreen = greenOf(c);
    s.colourBlue = std::int16_t(blueOf(c));

    const Colour drawing = s.colour();
    canvas.setFillColor(drawing);
    page.setFillColor(drawing);
    QPalette palette = preview.palette();
    palette.setColor(QPalette::WindowText, toQColor(drawing));
    preview.setPalette(palette);
    canvas.setForeColor(drawing);
    page.setForeColor(drawing);
    return true;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/TextOptions.h"

#include <QLabel>

#include "canvas/Surface.h"
#include "core/NumericRules.h"
#include "options/PictureButton.h"

namespace {

// Sets something on the canvas, then on each page, then on the preview's
// font, and fits the preview to its caption in the new font.
template <typename OnSurface, typename OnFont>
void applyEverywhere(Surface& canvas, std::array<Surface, kPageCount>& pages, QLabel& preview,
                     OnSurface onSurface, OnFont onFont)
{
    onSurface(canvas);
    for (Surface& page : pages)
        onSurface(page);
    QFont font = preview.font();
    onFont(font);
    preview.setFont(font);
    preview.adjustSize();
}

} // namespace

bool chooseFontSize(const QString& text, Surface& canvas, std::array<Surface, kPageCount>& pages,
                    QLabel& preview)
{
    const double size = Val(text);
    if (!(size > 7 && size < 73))
        return false;
    applyEverywhere(
        canvas, pages, preview, [&](Surface& s) { s.setFontSize(size); },
        [&](QFont& f) { f.setPointSizeF(size); });
    return true;
}

void chooseFontName(const QString& name, Surface& canvas, std::array<Surface, kPageCount>& pages,
                    QLabel& preview)
{
    applyEverywhere(
        canvas, pages, preview, [&](Surface& s) { s.setFontName(name); },
        [&](QFont& f) { f.setFamily(name); });
}

void toggleFontStyle(int index, const std::array<PictureButton*, 2>& styleBar, Surface& canvas,
                     std::array<Surface, kPageCount>& pages, QLabel& preview)
{
    PictureButton* button = styleBar.at(size_t(index));
    const bool on = button->backColor() == kWhite;
    button->setBackColor(on ? kBlue : kWhite);
    if (index == 0)
        applyEverywhere(
            canvas, pages, preview, [&](Surface& s) { s.setFontBold(on); }, [&](QFont& f) { f.setBold(on); });
    else
        applyEverywhere(
            canvas, pages, preview, [&](Surface& s) { s.setFontItalic(on); },
            [&](QFont& f) { f.setItalic(on); });
}

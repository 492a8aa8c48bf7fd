// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QString>

#include "pages/PageSwitch.h"

class PictureButton;
class QLabel;
class Surface;

// The text bar: font size, font name, bold and italic. Every choice goes to
// the canvas, to every page and to the text preview, so that the preview, the
// canvas and any page show text in the same font. The preview is sized to its
// caption again after each change.

// The size read from the size box's text: only a size above 7 and below 73
// points is taken, and false says that nothing changed.
bool chooseFontSize(const QString& text, Surface& canvas, std::array<Surface, kPageCount>& pages,
                    QLabel& preview);

// The name is passed on as it is; a font the system lacks is substituted.
void chooseFontName(const QString& name, Surface& canvas, std::array<Surface, kPageCount>& pages,
                    QLabel& preview);

// Button 0 toggles bold, button 1 italic. A style is on while its button is
// blue and off while it is white: the button's colour is the toggle's state.
void toggleFontStyle(int index, const std::array<PictureButton*, 2>& styleBar, Surface& canvas,
                     std::array<Surface, kPageCount>& pages, QLabel& preview);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QFont>
#include <QIcon>
#include <QImage>

#include "canvas/Picture.h"
#include "options/PictureButton.h"

// The program's pictures. The pictorial icons are SVG drawings compiled in as
// resources; the icons that show a quantity (dot grids, line widths, fill
// patterns, eraser sizes) are drawn from that quantity, so they always match
// what the button does.
namespace Artwork {

IconPainter mainBar(int index);
IconPainter gridSize(int index);
IconPainter symmetry(int index);
IconPainter polygonMethod(int index);
IconPainter curve(int index);
IconPainter lineWidth(int index);
IconPainter fillPattern(int index);
IconPainter eraserSize(int index);

// The nominal pixel size an icon is designed for (16 or 32).
int polygonMethodSize();
int curveSize(int index);
int eraserSizeIconSize();

// The window icon at the sizes the desktop picks from; the icon is made of
// them on the GUI thread.
std::vector<QImage> windowIconImages();
QIcon windowIcon(const std::vector<QImage>& images);
// The 16 x 16 canvas cursor, its hot spot in the middle.
QImage cursorImage();
// The 713 x 535 picture the canvas shows at start-up. Like the two functions
// above, safe to call on any thread.
QImage startupPicture();

// What start-up shows besides the controls, drawn on another thread while
// the controls are made: the canvas's picture, already in tiles, the cursor,
// the window icon's images, and the icons of the bars at the left edge as
// they show on buttons of the given size. Safe to call on any thread.
struct StartupArt
{
    Picture picture;
    QImage cursor;
    std::vector<QImage> windowIcon;
    std::vector<QImage> mainBarIcons;
    std::vector<QImage> gridSizeIcons;
    std::vector<QImage> symmetryIcons;
};
// Built into the program, the start-up art is read from what the build drew;
// on a screen whose bar buttons have another size than the usual one, the
// bar icons are drawn here for that size.
StartupArt startupArt(QSize barButton);
// The art drawn from the drawings, as the build draws it.
StartupArt drawStartupArt(QSize barButton);
// The art as bytes the program reads back with readStartupArt(), and the
// reading: nothing when the bytes are not art drawn for that button size.
QByteArray startupArtBytes(const StartupArt& art, QSize barButton);
std::optional<StartupArt> readStartupArt(const QByteArray& bytes, QSize barButton);
// Where the program finds the art the build drew.
inline constexpr const char* kBuiltArtPath = ":/built/startup-art.bin";

// The 713 x 536 legend of the buttons at the left edge.
QImage helpPicture();
// The font of its captions, and the width a caption has beside its column
// of icons: a longer one would be cut.
QFont helpCaptionFont();
int helpCaptionRoom();

} // namespace Artwork

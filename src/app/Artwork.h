#pragma once

#include <QIcon>
#include <QImage>

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

QIcon windowIcon();
// The 16 x 16 canvas cursor, its hot spot in the middle.
QImage cursorImage();
// The 713 x 535 picture the canvas shows at start-up.
// Safe to call on any thread.
QImage startupPicture();
// The 713 x 536 legend of the buttons at the left edge.
QImage helpPicture();

} // namespace Artwork

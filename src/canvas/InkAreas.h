// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QPoint>
#include <QRect>

// Rectangles, in pixels, that together hold every pixel a stroked figure can
// paint. For a long, thin or hollow figure they cover far fewer pixels than
// its bounding box, so that wiping a rubber band, marking the tiles a figure
// changed and repainting the widget all cost in proportion to the ink.

std::vector<QRect> segmentInk(QPoint from, QPoint to, int penWidth);

// The outline of an axis-aligned box whose corners are pixel centres.
std::vector<QRect> boxOutlineInk(const QRect& box, int penWidth);

// The outline of an ellipse with semi-axes rx and ry about `centre`, from
// `start` through `span` radians counter-clockwise as seen on screen.
std::vector<QRect> ellipseOutlineInk(QPointF centre, double rx, double ry, int penWidth, double start,
                                     double span);

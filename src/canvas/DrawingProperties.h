// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QString>

#include "core/Colour.h"

// The brush that paints interiors in a FillStyle: 0 solid, 1 transparent,
// 2 horizontal lines, 3 vertical lines, 4 upward diagonal, 5 downward
// diagonal, 6 cross, 7 diagonal cross.
Qt::BrushStyle fillStyleBrush(int fillStyle);

// How a surface draws: its colours, fill style, pen width, scale and print
// position, and the font its text is written in. A plain value that the
// surface reads and its owner sets; it caches nothing.
struct DrawingProperties
{
    enum class ScaleMode
    {
        Twips = 1,
        Pixels = 3
    };

    Colour foreColor = kBlack;
    Colour backColor = kWhite;
    Colour fillColor = kBlack;
    int fillStyle = 1;
    int drawWidth = 1; // pixels, at least 1
    ScaleMode scaleMode = ScaleMode::Twips;
    double twipsPerPixel = 15.0;
    double currentX = 0;
    double currentY = 0;
    QString fontName = QStringLiteral("Arial");
    double fontSize = 8.25;
    bool fontBold = false;
    bool fontItalic = false;

    // Coordinate units to the pixel: twips per pixel, or 1 with ScaleMode::Pixels.
    double unit() const { return scaleMode == ScaleMode::Pixels ? 1.0 : twipsPerPixel; }
    // The pixel a coordinate falls on, halves rounded up.
    QPoint toPixel(QPointF p) const;
    double toPixels(double length) const { return length / unit(); }
    // The font at the surface's resolution, aliased.
    QFont font() const;

    // Describes the first broken invariant, or is empty: the pen is at least
    // one pixel wide and a pixel is some twips.
    QString checkInvariants() const;
};

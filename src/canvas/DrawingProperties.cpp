// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/DrawingProperties.h"

#include <algorithm>

#include "canvas/PixelMath.h"

Qt::BrushStyle fillStyleBrush(int fillStyle)
{
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward diagonal, like "/"
    case 5:
        return Qt::FDiagPattern; // downward diagonal, like "\"
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

QPoint DrawingProperties::toPixel(QPointF p) const
{
    const double scale = unit();
    return QPoint(PixelMath::roundHalfUp(p.x() / scale), PixelMath::roundHalfUp(p.y() / scale));
}

QFont DrawingProperties::font() const
{
    QFont f(fontName);
    // Points to pixels at the surface's resolution (1440 twips to the inch).
    const double dpi = 1440.0 / twipsPerPixel;
    f.setPixelSize(std::max(1, PixelMath::roundHalfUp(fontSize * dpi / 72.0)));
    f.setBold(fontBold);
    f.setItalic(fontItalic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QString DrawingProperties::checkInvariants() const
{
    if (drawWidth < 1)
        return QStringLiteral("the pen is %1 pixels wide").arg(drawWidth);
    if (!(twipsPerPixel > 0))
        return QStringLiteral("a pixel is %1 twips").arg(twipsPerPixel);
    return QString();
}

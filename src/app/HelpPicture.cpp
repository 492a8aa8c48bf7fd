// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include <QPainter>

#include "app/Artwork.h"
#include "app/Captions.h"

// The help picture: a legend of the buttons at the left edge, drawn from the
// same icons and captions the buttons use. The icons stand in two columns in
// the middle, each caption on its column's outer side.

namespace {

constexpr int kWidth = 713;
constexpr int kHeight = 536;
constexpr int kCell = 32;
constexpr int kLeftColumn = kWidth / 2 - kCell - 1;
constexpr int kRightColumn = kWidth / 2 + 1;
constexpr int kCaptionGap = 8;

void drawButton(QPainter& p, int x, int y, const IconPainter& icon, QColor face = Qt::white)
{
    const QRect cell(x, y, kCell, kCell);
    p.fillRect(cell, face);
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    icon(p, QRectF(cell).adjusted(2, 2, -2, -2));
}

void drawCaption(QPainter& p, const QRect& band, bool leftSide, const QString& text)
{
    p.setPen(Qt::black);
    if (leftSide)
        p.drawText(QRect(0, band.top(), kLeftColumn - kCaptionGap, band.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    else
        p.drawText(QRect(kRightColumn + kCell + kCaptionGap, band.top(),
                         kWidth - kRightColumn - kCell - kCaptionGap, band.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
}

// Draws one row of two buttons with their captions; returns the next row's top.
int drawRow(QPainter& p, int y, const IconPainter& left, const IconPainter& right, const QString& leftCaption,
            const QString& rightCaption, QColor rightFace = Qt::white)
{
    drawButton(p, kLeftColumn, y, left);
    drawButton(p, kRightColumn, y, right, rightFace);
    drawCaption(p, QRect(0, y, kWidth, kCell), true, leftCaption);
    drawCaption(p, QRect(0, y, kWidth, kCell), false, rightCaption);
    return y + kCell;
}

} // namespace

QFont Artwork::helpCaptionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

int Artwork::helpCaptionRoom()
{
    return std::min(kLeftColumn - kCaptionGap, kWidth - kRightColumn - kCell - kCaptionGap);
}

QImage Artwork::helpPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(helpCaptionFont());

    int y = 4;
    for (const auto& row : Captions::mainBarRows)
        y = drawRow(p, y, mainBar(row[0]), mainBar(row[1]), Captions::mainBar(row[0]),
                    Captions::mainBar(row[1]));

    // The grid sizes, the second one shown as chosen, with one caption on
    // each side of the whole block.
    y += 8;
    const int gridTop = y;
    for (int i = 0; i < 8; i += 2)
        y = drawRow(p, y, gridSize(i), gridSize(i + 1), QString(), QString(),
                    i == 0 ? QColor(0, 255, 0) : QColor(Qt::white));
    const QRect gridBand(0, gridTop, kWidth, y - gridTop);
    drawCaption(p, gridBand, true, Captions::gridLeft());
    drawCaption(p, gridBand, false, Captions::gridRight());

    y += 8;
    for (int i = 0; i < 4; i += 2)
        y = drawRow(p, y, symmetry(i), symmetry(i + 1), Captions::symmetry(i), Captions::symmetry(i + 1));
    return image;
}

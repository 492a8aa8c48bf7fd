// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QAbstractButton>

#include "core/Colour.h"

// Paints a picture into a square; the same painters draw the buttons and the
// help picture, so the two can never disagree.
using IconPainter = std::function<void(QPainter&, const QRectF&)>;

// A graphical push button: an icon or a caption on a background colour. Some
// choices live in that colour (a green grid size, a blue page), so the colour
// is a property the program reads back, not only a look.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

  public:
    // Buttons start in the system's button colour until the program paints them.
    static constexpr Colour kSystemColour = 0x8000000F;

    explicit PictureButton(QWidget* parent = nullptr);

    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);

    void setIconPainter(IconPainter painter, QSizeF iconSize);
    // The icon as it shows on a raised button of the given size, on a
    // transparent ground. A button draws its icon once this way and repaints
    // from the picture while it keeps its size; start-up hands the first
    // buttons pictures drawn on another thread.
    static QImage iconPicture(const IconPainter& painter, QSizeF iconSize, QSize buttonSize);
    void setIconPicture(const QImage& picture);
    // Whether the next paint can draw the icon from its picture.
    bool holdsIconPicture() const { return !m_iconPicture.isNull() && m_iconPicture.size() == size(); }
    void setCaption(const QString& caption, const QFont& font);

    QSize sizeHint() const override;
    // The caption's colour: white on a dark face, black on a light one.
    QColor captionColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour m_backColor = kSystemColour;
    IconPainter m_icon;
    QSizeF m_iconSize;
    QImage m_iconPicture;
};

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
};

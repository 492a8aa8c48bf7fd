// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/PictureButton.h"

#include <QPainter>
#include <QStyleOptionButton>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setBackColor(Colour colour)
{
    if (m_backColor == colour)
        return;
    m_backColor = colour;
    update();
}

void PictureButton::setIconPainter(IconPainter painter, QSizeF iconSize)
{
    m_icon = std::move(painter);
    m_iconSize = iconSize;
    m_iconPicture = QImage();
    update();
}

namespace {

// Where the icon goes on a raised button: its design size scaled to fit
// inside the bevel, centred; small designs grow by a quarter at most.
QRectF iconBox(QSizeF iconSize, QSize buttonSize)
{
    const QSizeF size = iconSize.scaled(QSizeF(buttonSize) - QSizeF(4, 4), Qt::KeepAspectRatio)
                            .boundedTo(iconSize.width() > 16 ? QSizeF(buttonSize) : iconSize * 1.25);
    return QRectF(QPointF((buttonSize.width() - size.width()) / 2, (buttonSize.height() - size.height()) / 2),
                  size);
}

} // namespace

QImage PictureButton::iconPicture(const IconPainter& painter, QSizeF iconSize, QSize buttonSize)
{
    QImage picture(buttonSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    painter(p, iconBox(iconSize, buttonSize));
    return picture;
}

void PictureButton::setIconPicture(const QImage& picture)
{
    m_iconPicture = picture;
    update();
}

void PictureButton::setCaption(const QString& caption, const QFont& font)
{
    setText(caption);
    setFont(font);
}

QSize PictureButton::sizeHint() const
{
    return QSize(32, 32);
}

QColor PictureButton::captionColour() const
{
    const QColor face = m_backColor == kSystemColour ? palette().button().color() : toQColor(m_backColor);
    // Perceived brightness: pure blue counts as dark, pure green as light.
    const double luma = 0.299 * face.redF() + 0.587 * face.greenF() + 0.114 * face.blueF();
    return luma < 0.5 ? Qt::white : Qt::black;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor face = m_backColor == kSystemColour ? palette().button().color() : toQColor(m_backColor);
    QRect r = rect();
    p.fillRect(r, face);

    // A raised bevel that sinks while the button is held down.
    const bool down = isDown();
    p.setPen(down ? palette().dark().color() : palette().light().color());
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? palette().light().color() : palette().shadow().color());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    if (m_icon) {
        if (!holdsIconPicture())
            m_iconPicture = iconPicture(m_icon, m_iconSize, r.size());
        p.drawImage(shift, m_iconPicture);
    } else if (!text().isEmpty()) {
        // A caption stays readable on a dark face (the blue of the selected
        // page) by turning white.
        p.setPen(captionColour());
        p.drawText(QRectF(r).translated(shift), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

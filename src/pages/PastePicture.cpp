// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/PastePicture.h"

#include <vector>

#include <QPainter>

#include "canvas/Surface.h"

Picture withPictureLaid(const Picture& page, const QImage& picture)
{
    const QRect covered = QRect(QPoint(0, 0), picture.size()).intersected(QRect(QPoint(0, 0), page.size()));
    if (page.isNull() || covered.isEmpty())
        return page;
    const QRect area = page.tileArea(covered);
    // An opaque picture hides what it covers, so only the tiles it covers in
    // part (along its right and bottom edges) need the page's pixels: the
    // strips just past those edges touch exactly them.
    const std::vector<QRect> uncovered = {QRect(covered.right() + 1, 0, 1, covered.height()),
                                          QRect(0, covered.bottom() + 1, covered.width() + 1, 1)};
    QImage part = page.copyArea(area, picture.hasAlphaChannel() ? std::vector<QRect>{} : uncovered);
    {
        QPainter painter(&part);
        painter.drawImage(QPoint(0, 0), picture, covered);
    }
    return page.withAreaFrom(part, area, {covered});
}

void pastePicture(EditorState& state, std::array<HistoryRing, 10>& rings, Surface& canvas, Surface& page,
                  const QImage& picture)
{
    recordHistory(state, rings, page);
    canvas.setPicture(withPictureLaid(page.image(), picture));
    page.setPicture(canvas.picture());
}

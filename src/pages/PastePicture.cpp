#include "pages/PastePicture.h"

#include <QPainter>

#include "canvas/Surface.h"

Picture withPictureLaid(const Picture& page, const QImage& picture)
{
    const QRect covered = QRect(QPoint(0, 0), picture.size()).intersected(QRect(QPoint(0, 0), page.size()));
    if (page.isNull() || covered.isEmpty())
        return page;
    const QRect area = page.tileArea(covered);
    QImage part = page.copyArea(area);
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

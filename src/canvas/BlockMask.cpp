#include "canvas/BlockMask.h"

#include <algorithm>

BlockMask::BlockMask(QSize area)
    : m_area(area.expandedTo(QSize(0, 0))), m_columns((m_area.width() + kBlock - 1) / kBlock),
      m_rows((m_area.height() + kBlock - 1) / kBlock), m_cells(size_t(m_columns) * size_t(m_rows), 0),
      m_rowFirst(size_t(m_rows), 1), m_rowLast(size_t(m_rows), 0)
{
}

void BlockMask::mark(const QRect& r)
{
    const QRect clipped = r.intersected(QRect(QPoint(0, 0), m_area));
    if (clipped.isEmpty())
        return;
    const int top = clipped.top() / kBlock, bottom = clipped.bottom() / kBlock;
    const int left = clipped.left() / kBlock, right = clipped.right() / kBlock;
    for (int row = top; row <= bottom; ++row) {
        std::fill_n(m_cells.begin() + row * m_columns + left, right - left + 1, std::uint8_t(1));
        int& first = m_rowFirst[size_t(row)];
        int& last = m_rowLast[size_t(row)];
        if (first > last) {
            first = left;
            last = right;
        } else {
            first = std::min(first, left);
            last = std::max(last, right);
        }
    }
    if (!any()) {
        m_firstRow = top;
        m_lastRow = bottom;
    } else {
        m_firstRow = std::min(m_firstRow, top);
        m_lastRow = std::max(m_lastRow, bottom);
    }
}

void BlockMask::clear()
{
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        int& first = m_rowFirst[size_t(row)];
        int& last = m_rowLast[size_t(row)];
        if (first <= last)
            std::fill(m_cells.begin() + row * m_columns + first, m_cells.begin() + row * m_columns + last + 1,
                      std::uint8_t(0));
        first = 1;
        last = 0;
    }
    m_firstRow = 1;
    m_lastRow = 0;
}

std::vector<QRect> BlockMask::runs() const
{
    std::vector<QRect> runs;
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        const std::uint8_t* cells = m_cells.data() + row * m_columns;
        const int top = row * kBlock;
        const int height = std::min(kBlock, m_area.height() - top);
        const int end = m_rowLast[size_t(row)] + 1;
        for (int column = m_rowFirst[size_t(row)]; column < end;) {
            if (!cells[column]) {
                // Skip unmarked cells eight at a time.
                while (column + 8 <= end &&
                       std::all_of(cells + column, cells + column + 8, [](std::uint8_t c) { return c == 0; }))
                    column += 8;
                while (column < end && !cells[column])
                    ++column;
                continue;
            }
            const int start = column;
            while (column < end && cells[column])
                ++column;
            const int left = start * kBlock;
            const int width = std::min(column * kBlock, m_area.width()) - left;
            runs.emplace_back(left, top, width, height);
        }
    }
    return runs;
}

QRegion BlockMask::region() const
{
    const std::vector<QRect> rects = runs();
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

#pragma once

#include <cstdint>
#include <vector>

#include <QRect>
#include <QRegion>
#include <QSize>

// Marks on a grid of small square blocks over an area: which parts of a
// surface need restoring or repainting. However many and however much the
// marked rectangles overlap, the blocks hold each pixel once, and they come
// back as a few runs along each row of blocks.
class BlockMask
{
  public:
    static constexpr int kBlock = 8;

    explicit BlockMask(QSize area = QSize());

    void mark(const QRect& r);
    bool any() const { return m_firstRow <= m_lastRow; }
    void clear();

    // The marked blocks clipped to the area, as runs along each row of
    // blocks: sorted by y and then x, none touching another of its row.
    std::vector<QRect> runs() const;
    // The same runs as a region, built without merging rectangle by rectangle.
    QRegion region() const;

  private:
    QSize m_area;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::uint8_t> m_cells;
    // The first and last marked column of each row, so that reading and
    // clearing look only where marks are.
    std::vector<int> m_rowFirst;
    std::vector<int> m_rowLast;
    int m_firstRow = 1;
    int m_lastRow = 0;
};

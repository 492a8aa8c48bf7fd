// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // Marks every block marked in `other`, a mask over the same area.
    void unite(const BlockMask& other);
    bool any() const { return m_firstRow <= m_lastRow; }
    QSize area() const { return m_area; }
    void clear();

    // The marked blocks clipped to the area, as runs along each row of
    // blocks: sorted by y and then x, none touching another of its row.
    std::vector<QRect> runs() const;
    // The same runs as a region, built without merging rectangle by
    // rectangle: rows of blocks whose runs are the same make one band.
    QRegion region() const;

  private:
    // One bit a block, a row of blocks in whole words, so that reading skips
    // 64 unmarked blocks at a time and marking sets them a word at a time.
    using Word = std::uint64_t;

    Word* rowWords(int row) { return m_words.data() + size_t(row) * size_t(m_rowWords); }
    const Word* rowWords(int row) const { return m_words.data() + size_t(row) * size_t(m_rowWords); }

    QSize m_area;
    int m_columns = 0;
    int m_rows = 0;
    int m_rowWords = 0;
    std::vector<Word> m_words;
    // The first and last marked column of each row, so that reading and
    // clearing look only where marks are.
    std::vector<int> m_rowFirst;
    std::vector<int> m_rowLast;
    int m_firstRow = 1;
    int m_lastRow = 0;
};

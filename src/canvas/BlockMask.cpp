// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/BlockMask.h"

#include <algorithm>
#include <bit>

namespace {

using Word = std::uint64_t;
constexpr int kWordBits = 64;

// The bits from..to of a word, both included.
Word bitsBetween(int from, int to)
{
    return (~Word(0) << from) & (~Word(0) >> (kWordBits - 1 - to));
}

// The first column at or after `from` and before `end` whose bit is `set`,
// or `end` when there is none.
int nextColumn(const Word* words, int from, int end, bool set)
{
    int index = from / kWordBits;
    Word bits = (set ? words[index] : ~words[index]) & (~Word(0) << (from % kWordBits));
    while (bits == 0) {
        ++index;
        if (index * kWordBits >= end)
            return end;
        bits = set ? words[index] : ~words[index];
    }
    return std::min(end, index * kWordBits + std::countr_zero(bits));
}

} // namespace

BlockMask::BlockMask(QSize area)
    : m_area(area.expandedTo(QSize(0, 0))), m_columns((m_area.width() + kBlock - 1) / kBlock),
      m_rows((m_area.height() + kBlock - 1) / kBlock), m_rowWords((m_columns + kWordBits - 1) / kWordBits),
      m_words(size_t(m_rowWords) * size_t(m_rows), 0), m_rowFirst(size_t(m_rows), 1),
      m_rowLast(size_t(m_rows), 0)
{
}

void BlockMask::mark(const QRect& r)
{
    const QRect clipped = r.intersected(QRect(QPoint(0, 0), m_area));
    if (clipped.isEmpty())
        return;
    const int top = clipped.top() / kBlock, bottom = clipped.bottom() / kBlock;
    const int left = clipped.left() / kBlock, right = clipped.right() / kBlock;
    const int firstWord = left / kWordBits, lastWord = right / kWordBits;
    for (int row = top; row <= bottom; ++row) {
        Word* words = rowWords(row);
        if (firstWord == lastWord) {
            words[firstWord] |= bitsBetween(left % kWordBits, right % kWordBits);
        } else {
            words[firstWord] |= bitsBetween(left % kWordBits, kWordBits - 1);
            std::fill(words + firstWord + 1, words + lastWord, ~Word(0));
            words[lastWord] |= bitsBetween(0, right % kWordBits);
        }
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

void BlockMask::unite(const BlockMask& other)
{
    Q_ASSERT(other.m_area == m_area);
    for (int row = other.m_firstRow; row <= other.m_lastRow; ++row) {
        const int from = other.m_rowFirst[size_t(row)], to = other.m_rowLast[size_t(row)];
        if (from > to)
            continue;
        const Word* in = other.rowWords(row);
        Word* out = rowWords(row);
        for (int w = from / kWordBits; w <= to / kWordBits; ++w)
            out[w] |= in[w];
        int& first = m_rowFirst[size_t(row)];
        int& last = m_rowLast[size_t(row)];
        first = first > last ? from : std::min(first, from);
        last = std::max(last, to);
    }
    if (!other.any())
        return;
    m_firstRow = any() ? std::min(m_firstRow, other.m_firstRow) : other.m_firstRow;
    m_lastRow = any() ? std::max(m_lastRow, other.m_lastRow) : other.m_lastRow;
}

void BlockMask::clear()
{
    for (int row = m_firstRow; row <= m_lastRow; ++row) {
        int& first = m_rowFirst[size_t(row)];
        int& last = m_rowLast[size_t(row)];
        if (first <= last) {
            Word* words = rowWords(row);
            std::fill(words + first / kWordBits, words + last / kWordBits + 1, Word(0));
        }
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
        const Word* words = rowWords(row);
        const int top = row * kBlock;
        const int height = std::min(kBlock, m_area.height() - top);
        const int end = m_rowLast[size_t(row)] + 1;
        for (int column = m_rowFirst[size_t(row)]; column < end;) {
            const int start = nextColumn(words, column, end, true);
            if (start == end)
                break;
            column = nextColumn(words, start, end, false);
            const int left = start * kBlock;
            const int width = std::min(column * kBlock, m_area.width()) - left;
            runs.emplace_back(left, top, width, height);
        }
    }
    return runs;
}

QRegion BlockMask::region() const
{
    const std::vector<QRect> runs = this->runs();
    // Rows of runs in order; a row whose runs match the last band's, on the
    // rows right below it, makes that band taller instead of one of its own.
    std::vector<QRect> bands;
    bands.reserve(runs.size());
    size_t bandStart = 0; // the last band's first rectangle in `bands`
    for (size_t i = 0; i < runs.size();) {
        size_t end = i;
        while (end < runs.size() && runs[end].top() == runs[i].top())
            ++end;
        const size_t count = end - i;
        bool same = !bands.empty() && bands.size() - bandStart == count &&
                    bands[bandStart].bottom() + 1 == runs[i].top();
        for (size_t k = 0; same && k < count; ++k)
            same = bands[bandStart + k].left() == runs[i + k].left() &&
                   bands[bandStart + k].right() == runs[i + k].right();
        if (same) {
            for (size_t k = 0; k < count; ++k)
                bands[bandStart + k].setBottom(runs[i + k].bottom());
        } else {
            bandStart = bands.size();
            bands.insert(bands.end(), runs.begin() + std::ptrdiff_t(i), runs.begin() + std::ptrdiff_t(end));
        }
        i = end;
    }
    QRegion region;
    region.setRects(bands.data(), int(bands.size()));
    return region;
}

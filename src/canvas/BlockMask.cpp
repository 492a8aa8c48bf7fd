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

QRegion BlockMask::coarseRegion(std::vector<QRect> runs)
{
    std::vector<QRect> joined;
    const int bandHeight = kBlock * kBandRows;
    for (auto band = runs.begin(); band != runs.end();) {
        const int number = band->top() / bandHeight;
        const auto end =
            std::find_if(band, runs.end(), [&](const QRect& r) { return r.top() / bandHeight != number; });
        // Every rectangle of a band spans the rows its runs reach, so that
        // the region's rectangles stay in the bands QRegion asks for.
        int top = band->top(), bottom = band->bottom();
        for (auto r = band; r != end; ++r)
            bottom = std::max(bottom, r->bottom());
        std::sort(band, end, [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        int left = band->left(), right = band->right();
        for (auto r = band + 1; r != end; ++r) {
            if (r->left() > right + 1) {
                joined.emplace_back(QPoint(left, top), QPoint(right, bottom));
                left = r->left();
            }
            right = std::max(right, r->right());
        }
        joined.emplace_back(QPoint(left, top), QPoint(right, bottom));
        band = end;
    }
    QRegion region;
    region.setRects(joined.data(), int(joined.size()));
    return region;
}

QRegion BlockMask::region() const
{
    const std::vector<QRect> rects = runs();
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

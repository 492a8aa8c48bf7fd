// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/InkStamp.h"

#include <algorithm>

#include <QPainter>

#include "canvas/PixelMath.h"

namespace {

// The runs [first, last] of covered pixels in each row of a stroke's scratch
// image, moved right by `left`.
std::vector<std::vector<std::pair<int, int>>> coveredRuns(const QImage& scratch, int left)
{
    std::vector<std::vector<std::pair<int, int>>> rows(size_t(scratch.height()));
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scratch.width() && qAlpha(row[x]) != 0)
                ++x;
            rows[size_t(y)].emplace_back(left + start, left + x - 1);
        }
    }
    return rows;
}

// A transparent image of `box` holding what `paint` draws there, aliased.
QImage drawnOnScratch(const QRect& box, const std::function<void(QPainter&)>& paint)
{
    QImage scratch(box.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box.topLeft());
        paint(p);
    }
    return scratch;
}

} // namespace

InkStamp::InkStamp(const Segments& segments, int width, const std::function<void(QPainter&)>& paint)
    : m_segments(segments), m_width(width)
{
    QRect box;
    for (const auto& [a, b] : segments)
        box |= PixelMath::spanned(a, b).adjusted(-width - 2, -width - 2, width + 2, width + 2);
    const QImage scratch = drawnOnScratch(box, paint);
    const auto rows = coveredRuns(scratch, box.left());
    for (size_t y = 0; y < rows.size(); ++y)
        for (const auto& [first, last] : rows[y])
            m_runs.emplace_back(first, box.top() + int(y), last - first + 1, 1);
}

void InkStamp::lay(QImage& target, QPoint at, const QRect& clip, QRgb colour) const
{
    const QRect within = clip.intersected(target.rect());
    for (const QRect& run : m_runs) {
        const QRect r = run.translated(at).intersected(within);
        if (r.isEmpty())
            continue;
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(r.top()));
        std::fill(line + r.left(), line + r.right() + 1, colour);
    }
}

BoxOutlineStamp::BoxOutlineStamp(int width, const std::function<void(QPainter&, QPoint, QPoint)>& paint)
    : m_width(width), m_side(4 * std::max(width, 1) + 16)
{
    const int reach = std::max(width, 1) + 2;
    const QRect box(-reach, -reach, m_side + 2 * reach, m_side + 2 * reach);
    const QImage scratch =
        drawnOnScratch(box, [&](QPainter& p) { paint(p, QPoint(0, 0), QPoint(m_side - 1, m_side - 1)); });
    m_top = box.top();
    m_rows = coveredRuns(scratch, box.left());
}

// Where the small box's row or column `at` lands on a box whose rows or
// columns run from `first` to `last`, as the range it covers there. Before
// the middle one it keeps its distance from the near edge, after it from the
// far edge, and the middle one is drawn out over everything between.
std::pair<int, int> BoxOutlineStamp::stretched(int at, int first, int last) const
{
    const int middle = m_side / 2;
    const int fromFarEdge = m_side - 1 - at;
    if (at < middle)
        return {first + at, first + at};
    if (at > middle)
        return {last - fromFarEdge, last - fromFarEdge};
    return {first + middle, last - fromFarEdge};
}

void BoxOutlineStamp::lay(QImage& target, const QRect& box, const QRect& clip, QRgb colour) const
{
    const QRect within = clip.intersected(target.rect());
    std::vector<std::pair<int, int>> runs;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const auto [top, bottom] = stretched(m_top + int(i), box.top(), box.bottom());
        const int firstRow = std::max(top, within.top());
        const int lastRow = std::min(bottom, within.bottom());
        if (firstRow > lastRow)
            continue;
        // The row's runs on the big box, the same on every row it stands for.
        runs.clear();
        for (const auto& [first, last] : m_rows[i]) {
            const int from = std::max(stretched(first, box.left(), box.right()).first, within.left());
            const int to = std::min(stretched(last, box.left(), box.right()).second, within.right());
            if (from <= to)
                runs.emplace_back(from, to);
        }
        for (int y = firstRow; y <= lastRow; ++y) {
            auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            for (const auto& [from, to] : runs)
                std::fill(line + from, line + to + 1, colour);
        }
    }
}

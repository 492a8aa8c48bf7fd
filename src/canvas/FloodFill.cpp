// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FloodFill.h"

#include <algorithm>

#include "canvas/SpanFill.h"

QRect SpanFill::run(QPoint seed)
{
    m_left = m_right = seed.x();
    m_top = m_bottom = seed.y();
    m_stack.reserve(size_t(m_height) * 2);
    // The seed row is visited going down; the seed pixel of the row above
    // starts the way up, and the seed row's overhangs join it there.
    push(seed.y(), seed.x(), seed.x(), 1);
    push(seed.y() - 1, seed.x(), seed.x(), -1);
    while (!m_stack.empty()) {
        const Span span = m_stack.back();
        m_stack.pop_back();
        visit(span);
    }
    return QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom));
}

// The first pixel of the run that ends at the matching pixel x.
int SpanFill::runStart(const quint32* line, int x) const
{
    while (x > 0 && matches(line[x - 1]))
        --x;
    return x;
}

// The first pixel at or after x that does not match (the width when the run
// reaches the right edge). Blocks of eight pixels are compared at once, which
// the compiler turns into vector compares; most of a fill's time goes here.
int SpanFill::runEnd(const quint32* line, int x) const
{
    constexpr int kBlock = 8;
    while (x + kBlock <= m_width) {
        quint32 differ = 0;
        for (int i = 0; i < kBlock; ++i)
            differ |= line[x + i] ^ m_target;
        if ((differ & kRgbMask) != 0)
            break;
        x += kBlock;
    }
    while (x < m_width && matches(line[x]))
        ++x;
    return x;
}

// The first matching pixel from x to last, or last + 1 when there is none.
int SpanFill::nextMatch(const quint32* line, int x, int last) const
{
    while (x <= last && !matches(line[x]))
        ++x;
    return x;
}

namespace {

// Sets the pixels from `at` up to, not including, `end`. One std::fill over
// the whole run compiles to a store per pixel; filled in blocks of eight it
// becomes vector stores, which more than halves a whole-canvas fill.
void fillRun(quint32* at, quint32* const end, quint32 paint)
{
    for (; end - at >= 8; at += 8)
        std::fill(at, at + 8, paint);
    std::fill(at, end, paint);
}

} // namespace

// Paints the pixels from `from` up to, not including, `to` of row y.
void SpanFill::paint(quint32* line, int y, int from, int to)
{
    fillRun(line + from, line + to, m_paint);
    if (m_twinBits != nullptr)
        fillRun(twinRow(y) + from, twinRow(y) + to, m_paint);
    m_left = std::min(m_left, from);
    m_right = std::max(m_right, to - 1);
    m_top = std::min(m_top, y);
    m_bottom = std::max(m_bottom, y);
}

void SpanFill::push(int y, int x1, int x2, int dy)
{
    if (y >= 0 && y < m_height)
        m_stack.push_back(Span{y, x1, x2, dy});
}

void SpanFill::visit(const Span& span)
{
    quint32* line = row(span.y);
    // A run that reaches left past the span is new ground on the row the
    // span came from as well.
    int x = span.x1;
    if (matches(line[x])) {
        x = runStart(line, x);
        if (x < span.x1)
            push(span.y - span.dy, x, span.x1 - 1, -span.dy);
    }
    int x1 = span.x1;
    while (x1 <= span.x2) {
        const int end = runEnd(line, x1);
        if (end > x) {
            paint(line, span.y, x, end);
            push(span.y + span.dy, x, end - 1, span.dy);
            if (end - 1 > span.x2)
                push(span.y - span.dy, span.x2 + 1, end - 1, -span.dy);
        }
        x1 = nextMatch(line, end + 1, span.x2);
        x = x1;
    }
}

namespace {

bool fillableFormat(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
}

QRect fillRegion(QImage& image, QImage* twin, QPoint seed, QRgb fill)
{
    if (!fillableFormat(image) || !image.rect().contains(seed))
        return {};
    if (twin != nullptr && (twin->size() != image.size() || !fillableFormat(*twin)))
        return {};
    // Read through the constant scanline, so that an image with nothing to
    // change is not detached from the pictures it shares its pixels with.
    const auto* seedRow = reinterpret_cast<const quint32*>(image.constScanLine(seed.y()));
    const quint32 target = seedRow[seed.x()] & kRgbMask;
    if ((fill & kRgbMask) == target)
        return {};
    SpanFill spans(image, twin, target, fill | kOpaque);
    return spans.run(seed);
}

} // namespace

QRect floodFill(QImage& image, QPoint seed, QRgb fill)
{
    return fillRegion(image, nullptr, seed, fill);
}

QRect floodFillBoth(QImage& image, QImage& twin, QPoint seed, QRgb fill)
{
    return fillRegion(image, &twin, seed, fill);
}

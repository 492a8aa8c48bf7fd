// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FloodFill.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Paints the run of row y that starts at the matching pixel x, as far as it
// matches, on the image and on the twin, and returns the first pixel past it
// (the width when it reaches the right edge). Each pixel is read, compared and
// painted in one pass; most of a fill's time goes here. With SSE2 (every
// x86-64 processor) sixteen pixels, one cache line, are compared and painted
// at once; elsewhere the plain loop at the end does it all.
//
// The fill goes on to row y + dy next. The processor's prefetcher follows
// rows read downwards but not upwards, so each block asks for the block one
// row ahead: a whole 4K fill read upwards took three times as long as one
// read downwards without this, and about as long with it.
int SpanFill::paintRun(int y, int dy, int x) const
{
    // The members are read into locals: the stores go through quint32
    // pointers, which could otherwise alias them and make the compiler read
    // them again after every store.
    const int width = m_width;
    const quint32 target = m_target;
    const quint32 paint = m_paint;
    quint32* const line = row(y);
    quint32* const twin = m_twinBits != nullptr ? twinRow(y) : nullptr;
#ifdef __SSE2__
    const int next = y + dy >= 0 && y + dy < m_height ? y + dy : y;
    const quint32* const ahead = row(next);
    const quint32* const twinAhead = twin != nullptr ? twinRow(next) : nullptr;
    constexpr int kBlock = 16;
    const __m128i rgb = _mm_set1_epi32(int(kRgbMask));
    const __m128i wanted = _mm_set1_epi32(int(target));
    const __m128i colour = _mm_set1_epi32(int(paint));
    const auto same = [&](const quint32* at) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return _mm_cmpeq_epi32(_mm_and_si128(pixels, rgb), wanted);
    };
    const auto store = [&](quint32* at) {
        for (int i = 0; i < kBlock; i += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at + i), colour);
    };
    while (x + kBlock <= width) {
        quint32* const block = line + x;
        const __m128i all = _mm_and_si128(_mm_and_si128(same(block), same(block + 4)),
                                          _mm_and_si128(same(block + 8), same(block + 12)));
        if (_mm_movemask_epi8(all) != 0xFFFF)
            break;
        __builtin_prefetch(ahead + x);
        store(block);
        if (twin != nullptr) {
            __builtin_prefetch(twinAhead + x, 1);
            store(twin + x);
        }
        x += kBlock;
    }
#endif
    for (; x < width && (line[x] & kRgbMask) == target; ++x) {
        line[x] = paint;
        if (twin != nullptr)
            twin[x] = paint;
    }
    return x;
}

// The first matching pixel from x to last, or last + 1 when there is none.
int SpanFill::nextMatch(const quint32* line, int x, int last) const
{
    while (x <= last && !matches(line[x]))
        ++x;
    return x;
}

// Notes the run from `from` up to, not including, `to` of row y as painted.
void SpanFill::painted(int y, int from, int to)
{
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
        // [x, x1) matched when runStart() walked it; a pixel x1 that does
        // not match has x at x1 too, and paints nothing.
        const int end = paintRun(span.y, span.dy, x);
        if (end > x) {
            painted(span.y, x, end);
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

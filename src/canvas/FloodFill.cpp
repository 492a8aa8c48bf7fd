// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/FloodFill.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "canvas/Picture.h"

namespace {

// Pixels are compared on red, green and blue only: the top byte is padding in
// one of the two formats and alpha in the other.
constexpr quint32 kRgbMask = 0x00FFFFFF;
constexpr quint32 kOpaque = 0xFF000000;

// The stretch x1..x2 (inclusive) of row y that still has to be looked at. It
// was reached from row y - dy, so dy is the way the fill was travelling.
struct Span
{
    int y;
    int x1;
    int x2;
    int dy;
};

// One fill: the pixels, the colour it replaces, the colour it paints, the
// spans still to visit and the area painted so far.
//
// A visited span paints every run of its row that touches it, and queues the
// row beyond each run in the same direction, plus, on the row it came from,
// only the parts of a run that stick out past the span: the part under the
// span was where the fill came from. A painted pixel never matches again, so
// every pixel is painted once, and every queued span stands for a painted run.
class SpanFill
{
  public:
    // With a twin, every run painted on the image is painted on the twin too.
    SpanFill(QImage& image, QImage* twin, quint32 target, quint32 paint)
        : m_bits(image.bits()), m_stride(image.bytesPerLine()), m_twinBits(twin ? twin->bits() : nullptr),
          m_twinStride(twin ? twin->bytesPerLine() : 0), m_width(image.width()), m_height(image.height()),
          m_target(target), m_paint(paint)
    {
    }

    QRect run(QPoint seed);

  private:
    quint32* row(int y) const { return reinterpret_cast<quint32*>(m_bits + qsizetype(y) * m_stride); }
    quint32* twinRow(int y) const
    {
        return reinterpret_cast<quint32*>(m_twinBits + qsizetype(y) * m_twinStride);
    }
    bool matches(quint32 pixel) const { return (pixel & kRgbMask) == m_target; }
    int runStart(const quint32* line, int x) const;
    int runEnd(const quint32* line, int x) const;
    int nextMatch(const quint32* line, int x, int last) const;
    void paint(quint32* line, int y, int from, int to);
    void push(int y, int x1, int x2, int dy);
    void visit(const Span& span);

    uchar* m_bits;
    qsizetype m_stride;
    uchar* m_twinBits;
    qsizetype m_twinStride;
    int m_width;
    int m_height;
    quint32 m_target;
    quint32 m_paint;
    std::vector<Span> m_stack;
    int m_left = 0;
    int m_right = 0;
    int m_top = 0;
    int m_bottom = 0;
};

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

// Sets the pixels from `at` up to, not including, `end`. One std::fill over
// the whole run compiles to a store per pixel; filled in blocks of eight it
// becomes vector stores, which more than halves a whole-canvas fill.
void fillRun(quint32* at, quint32* const end, quint32 paint)
{
    for (; end - at >= 8; at += 8)
        std::fill(at, at + 8, paint);
    std::fill(at, end, paint);
}

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

namespace {

constexpr int kTile = Picture::kTileSize;

// Pixels of a tile's edge from which the fill goes on into the neighbouring
// tile: `length` pixels from `at` (image coordinates, inside that tile),
// running down when `down` is set, else to the right.
struct EdgeSeed
{
    QPoint at;
    int length;
    bool down;
};

class TileFill
{
  public:
    TileFill(TileGrid& tiles, quint32 target, quint32 paint)
        : m_tiles(tiles), m_size(tiles.size()), m_target(target), m_paint(paint),
          m_copies(size_t(tiles.tileCount()))
    {
    }

    QRect run(QPoint seed)
    {
        m_seeds.push_back(EdgeSeed{seed, 1, false});
        while (!m_seeds.empty()) {
            const EdgeSeed s = m_seeds.back();
            m_seeds.pop_back();
            enter(s);
        }
        return m_painted;
    }

  private:
    bool matches(quint32 pixel) const { return (pixel & kRgbMask) == m_target; }
    QRect tileRect(int column, int row) const
    {
        return QRect(column * kTile, row * kTile, kTile, kTile) & QRect(QPoint(0, 0), m_size);
    }
    bool wholly(const Picture::Tile& tile, QSize within) const;
    void enter(const EdgeSeed& s);
    void fillWhole(int index, const QRect& r);
    void fillFrom(int index, const QRect& r, QPoint local);
    // The seeds for the neighbours of tile rectangle `r`, from the pixels of
    // its edges that `changedAt` says were painted.
    template <typename Changed> void spread(const QRect& r, Changed changedAt);
    void spreadRun(QPoint at, int length, bool down);

    TileGrid& m_tiles;
    QSize m_size;
    quint32 m_target;
    quint32 m_paint;
    // The tiles this fill copied to paint on, which no picture shares yet.
    std::vector<std::shared_ptr<Picture::Tile>> m_copies;
    std::vector<EdgeSeed> m_seeds;
    Picture::TilePtr m_paintTile;
    const Picture::Tile* m_wholeTarget = nullptr; // a tile already seen to be all target
    QRect m_painted;
};

bool TileFill::wholly(const Picture::Tile& tile, QSize within) const
{
    if (&tile == m_wholeTarget)
        return true;
    for (int y = 0; y < within.height(); ++y) {
        const quint32* line = tile.pixels.data() + y * kTile;
        quint32 differ = 0;
        for (int x = 0; x < within.width(); ++x)
            differ |= line[x] ^ m_target;
        if ((differ & kRgbMask) != 0)
            return false;
    }
    return true;
}

void TileFill::enter(const EdgeSeed& s)
{
    const int column = s.at.x() / kTile, row = s.at.y() / kTile;
    const int index = row * m_tiles.columns() + column;
    const QRect r = tileRect(column, row);
    for (int i = 0; i < s.length; ++i) {
        const QPoint p = s.at + (s.down ? QPoint(0, i) : QPoint(i, 0));
        const QPoint local = p - r.topLeft();
        const Picture::Tile& tile = *m_tiles.tile(index);
        if (!matches(tile.pixels[size_t(local.y() * kTile + local.x())]))
            continue;
        if (!m_copies[size_t(index)] && wholly(tile, r.size())) {
            if (r.size() == QSize(kTile, kTile))
                m_wholeTarget = &tile;
            fillWhole(index, r);
            return;
        }
        fillFrom(index, r, local);
    }
}

// A tile all of the target colour is painted whole, as one shared tile.
void TileFill::fillWhole(int index, const QRect& r)
{
    if (!m_paintTile) {
        auto tile = std::make_shared_for_overwrite<Picture::Tile>();
        tile->pixels.fill(m_paint);
        m_paintTile = std::move(tile);
    }
    m_tiles.setTile(index, m_paintTile);
    m_painted |= r;
    spread(r, [](QPoint) { return true; });
}

void TileFill::fillFrom(int index, const QRect& r, QPoint local)
{
    std::shared_ptr<Picture::Tile>& copy = m_copies[size_t(index)];
    if (!copy) {
        copy = std::make_shared<Picture::Tile>(*m_tiles.tile(index));
        m_tiles.setTile(index, copy);
    }
    Picture::Tile& tile = *copy;
    // The edges as they were, to tell which of their pixels this run paints.
    std::array<quint32, 4 * kTile> edges;
    const int w = r.width(), h = r.height();
    const auto edgeAt = [&](int side, int i) -> quint32& {
        return tile.pixels[size_t(side == 0   ? i
                                  : side == 1 ? (h - 1) * kTile + i
                                  : side == 2 ? i * kTile
                                              : i * kTile + w - 1)];
    };
    for (int i = 0; i < kTile; ++i)
        for (int side = 0; side < 4; ++side)
            if (i < (side < 2 ? w : h))
                edges[size_t(side * kTile + i)] = edgeAt(side, i);
    QImage view(reinterpret_cast<uchar*>(tile.pixels.data()), w, h, kTile * int(sizeof(QRgb)),
                QImage::Format_RGB32);
    SpanFill spans(view, nullptr, m_target, m_paint);
    m_painted |= spans.run(local).translated(r.topLeft());
    spread(r, [&](QPoint p) {
        const QPoint l = p - r.topLeft();
        const int side = l.y() == 0 ? 0 : l.y() == h - 1 ? 1 : l.x() == 0 ? 2 : 3;
        const int i = side < 2 ? l.x() : l.y();
        return edgeAt(side, i) != edges[size_t(side * kTile + i)];
    });
}

template <typename Changed> void TileFill::spread(const QRect& r, Changed changedAt)
{
    // Each edge of the tile, with the line of pixels beyond it in the
    // neighbour, if there is one.
    struct Edge
    {
        QPoint from;
        bool down;
        int length;
        QPoint beyond;
    };
    const Edge edges[] = {
        {r.topLeft(), false, r.width(), QPoint(0, -1)},
        {r.bottomLeft(), false, r.width(), QPoint(0, 1)},
        {r.topLeft(), true, r.height(), QPoint(-1, 0)},
        {r.topRight(), true, r.height(), QPoint(1, 0)},
    };
    const QRect image(QPoint(0, 0), m_size);
    for (const Edge& e : edges) {
        if (!image.contains(e.from + e.beyond))
            continue;
        const QPoint step = e.down ? QPoint(0, 1) : QPoint(1, 0);
        for (int i = 0; i < e.length;) {
            if (!changedAt(e.from + step * i)) {
                ++i;
                continue;
            }
            const int start = i;
            while (i < e.length && changedAt(e.from + step * i))
                ++i;
            m_seeds.push_back(EdgeSeed{e.from + step * start + e.beyond, i - start, e.down});
        }
    }
}

} // namespace

QRect floodFillTiles(TileGrid& tiles, QPoint seed, QRgb fill)
{
    if (tiles.isNull() || tiles.hasAlpha() || !QRect(QPoint(0, 0), tiles.size()).contains(seed))
        return {};
    const quint32 target = tiles.pixel(seed) & kRgbMask;
    if ((fill & kRgbMask) == target)
        return {};
    TileFill fillTiles(tiles, target, fill | kOpaque);
    return fillTiles.run(seed);
}

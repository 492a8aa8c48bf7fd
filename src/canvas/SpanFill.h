// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include <QImage>
#include <QPoint>
#include <QRect>

// The scanline fill that floodFill() runs on a whole image and the tile fill
// runs inside each tile it enters.

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
    int paintRun(int y, int dy, int x) const;
    int nextMatch(const quint32* line, int x, int last) const;
    void painted(int y, int from, int to);
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

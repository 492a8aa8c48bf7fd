#include "canvas/InkStamp.h"

#include <QPainter>

#include "canvas/PixelMath.h"

InkStamp::InkStamp(const Segments& segments, int width, const std::function<void(QPainter&)>& paint)
    : m_segments(segments), m_width(width)
{
    QRect box;
    for (const auto& [a, b] : segments)
        box |= PixelMath::spanned(a, b).adjusted(-width - 2, -width - 2, width + 2, width + 2);
    QImage scratch(box.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box.topLeft());
        paint(p);
    }
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
            m_runs.emplace_back(box.left() + start, box.top() + y, x - start, 1);
        }
    }
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

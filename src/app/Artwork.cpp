// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Artwork.h"

#include <cstring>
#include <map>
#include <memory>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "app/Captions.h"
#include "canvas/Surface.h"

namespace {

const QColor kInk(0x1d, 0x24, 0x33);

const char* const kMainBarFiles[20] = {
    "open",      "save", "line",    "dots", "freehand", "snap-on", "snap-off", "width",  "circle", "print",
    "rectangle", "fill", "polygon", "undo", "clear",    "exit",    "text",     "colour", "eraser", "help",
};

QString symmetryFile(int index)
{
    return QStringLiteral("symmetry-%1").arg(index);
}

QString iconPath(const QString& name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

// Each icon's drawing is read from its file once, for the buttons, which the
// GUI thread paints. Nothing drawn on another thread reads this cache: the
// start-up worker gives every icon it draws a renderer of its own.
std::shared_ptr<QSvgRenderer> renderer(const QString& name)
{
    static std::map<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto& slot = cache[name];
    if (!slot)
        slot = std::make_shared<QSvgRenderer>(iconPath(name));
    return slot;
}

// Drawn with a renderer of its own rather than the shared ones, so that
// start-up can draw these pictures on another thread while the window is
// being built.
QImage rendered(QSvgRenderer& svg, QSize size, QImage::Format format, QColor background)
{
    QImage image(size, format);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

QImage rendered(const QString& name, QSize size, QImage::Format format, QColor background)
{
    QSvgRenderer svg(iconPath(name));
    return rendered(svg, size, format, background);
}

// The drawing is looked up when the icon is first painted, so making the
// button never waits for the file to be read.
IconPainter svg(const QString& name)
{
    return [name, r = std::shared_ptr<QSvgRenderer>()](QPainter& p, const QRectF& box) mutable {
        if (!r)
            r = renderer(name);
        r->render(&p, box);
    };
}

// Runs `paint` with the painter mapped so that `box` spans 0..size in both
// directions.
template <typename Paint> void inUnits(QPainter& p, const QRectF& box, double size, Paint paint)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / size, box.height() / size);
    paint();
    p.restore();
}

} // namespace

namespace Artwork {

IconPainter mainBar(int index)
{
    return svg(QString::fromLatin1(kMainBarFiles[index]));
}

IconPainter gridSize(int index)
{
    // Dot spacing grows with the grid step, from dense to sparse.
    const double spacing = 3.0 + index;
    return [spacing](QPainter& p, const QRectF& box) {
        inUnits(p, box, 32, [&] {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            const int count = int(26 / spacing);
            const double start = 16 - count * spacing / 2;
            for (int i = 0; i <= count; ++i)
                for (int j = 0; j <= count; ++j)
                    p.drawEllipse(QPointF(start + i * spacing, start + j * spacing), 0.9, 0.9);
        });
    };
}

IconPainter symmetry(int index)
{
    return svg(symmetryFile(index));
}

IconPainter polygonMethod(int index)
{
    return svg(QStringLiteral("polygon-method-%1").arg(index));
}

IconPainter curve(int index)
{
    return svg(QStringLiteral("curve-%1").arg(index));
}

IconPainter lineWidth(int index)
{
    const double thickness = index + 1;
    return [thickness](QPainter& p, const QRectF& box) {
        inUnits(p, box, 32, [&] { p.fillRect(QRectF(4, 16 - thickness / 2, 24, thickness), Qt::black); });
    };
}

IconPainter fillPattern(int index)
{
    return [index](QPainter& p, const QRectF& box) {
        const QRectF square =
            box.adjusted(box.width() * 0.15, box.height() * 0.15, -box.width() * 0.15, -box.height() * 0.15);
        const Qt::BrushStyle style = fillStyleBrush(index);
        if (style != Qt::NoBrush)
            p.fillRect(square, QBrush(kInk, style));
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(square);
    };
}

IconPainter eraserSize(int index)
{
    const double side = 4 + 2 * index;
    return [side](QPainter& p, const QRectF& box) {
        inUnits(p, box, 16, [&] {
            p.setPen(QPen(kInk, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(8 - side / 2, 8 - side / 2, side, side));
        });
    };
}

int polygonMethodSize()
{
    return 16;
}
int curveSize(int index)
{
    return index < 2 ? 16 : 32;
}
int eraserSizeIconSize()
{
    return 16;
}

std::vector<QImage> windowIconImages()
{
    QSvgRenderer svg(QStringLiteral(":/icons/window-icon.svg"));
    std::vector<QImage> images;
    for (int size : {16, 32, 64, 128})
        images.push_back(
            rendered(svg, QSize(size, size), QImage::Format_ARGB32_Premultiplied, Qt::transparent));
    return images;
}

QIcon windowIcon(const std::vector<QImage>& images)
{
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QImage cursorImage()
{
    return rendered(QStringLiteral("cursor"), QSize(16, 16), QImage::Format_ARGB32_Premultiplied,
                    Qt::transparent);
}

QImage startupPicture()
{
    return rendered(QStringLiteral("startup"), QSize(713, 535), QImage::Format_RGB32, Qt::white);
}

namespace {

// Draws the icons of the bars at the left edge for buttons of the given size
// into `art`. The drawings are read into renderers of this call's own, never
// the buttons' shared ones: this runs on the start-up worker while the GUI
// thread makes the buttons.
void drawBarIcons(StartupArt& art, QSize barButton)
{
    const QSizeF design(32, 32);
    auto ownSvg = [&](const QString& name) {
        QSvgRenderer svg(iconPath(name));
        return PictureButton::iconPicture([&svg](QPainter& p, const QRectF& box) { svg.render(&p, box); },
                                          design, barButton);
    };
    art.mainBarIcons.clear();
    art.gridSizeIcons.clear();
    art.symmetryIcons.clear();
    for (int i = 0; i < 20; ++i)
        art.mainBarIcons.push_back(ownSvg(QString::fromLatin1(kMainBarFiles[i])));
    for (int i = 0; i < 8; ++i)
        art.gridSizeIcons.push_back(PictureButton::iconPicture(gridSize(i), design, barButton));
    for (int i = 0; i < 4; ++i)
        art.symmetryIcons.push_back(ownSvg(symmetryFile(i)));
}

} // namespace

StartupArt drawStartupArt(QSize barButton)
{
    StartupArt art{Picture::fromImage(startupPicture()), cursorImage(), windowIconImages(), {}, {}, {}};
    drawBarIcons(art, barButton);
    return art;
}

namespace {

// The bytes hold a header, then each picture as its width, height, format
// and rows, in the order of StartupArt's members; the vectors are preceded
// by their lengths. Everything is in the byte order of the machine that
// built the program, which is the one that reads it.
constexpr quint32 kArtMagic = 0x4C5A4131; // "LZA1"

class ArtWriter
{
  public:
    void number(qint32 n) { m_bytes.append(reinterpret_cast<const char*>(&n), sizeof n); }
    void image(const QImage& image)
    {
        number(image.width());
        number(image.height());
        number(qint32(image.format()));
        const qsizetype row = qsizetype(image.width()) * image.depth() / 8;
        for (int y = 0; y < image.height(); ++y)
            m_bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), row);
    }
    void images(const std::vector<QImage>& images)
    {
        number(qint32(images.size()));
        for (const QImage& i : images)
            image(i);
    }
    QByteArray bytes() const { return m_bytes; }

  private:
    QByteArray m_bytes;
};

class ArtReader
{
  public:
    explicit ArtReader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool failed() const { return m_failed; }
    qint32 number()
    {
        qint32 n = 0;
        if (!take(&n, sizeof n))
            return 0;
        return n;
    }
    QImage image()
    {
        const qint32 width = number(), height = number(), format = number();
        if (m_failed || width <= 0 || height <= 0 || width > 4096 || height > 4096 ||
            (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
             format != QImage::Format_ARGB32_Premultiplied)) {
            m_failed = true;
            return QImage();
        }
        QImage image(width, height, QImage::Format(format));
        for (int y = 0; y < height && !m_failed; ++y)
            take(image.scanLine(y), size_t(width) * 4);
        return m_failed ? QImage() : image;
    }
    std::vector<QImage> images()
    {
        const qint32 count = number();
        std::vector<QImage> images;
        if (count < 0 || count > 64) {
            m_failed = true;
            return images;
        }
        for (qint32 i = 0; i < count && !m_failed; ++i)
            images.push_back(image());
        return images;
    }
    bool atEnd() const { return m_at == m_bytes.size(); }

  private:
    bool take(void* to, size_t size)
    {
        if (m_failed || size > size_t(m_bytes.size() - m_at)) {
            m_failed = true;
            return false;
        }
        std::memcpy(to, m_bytes.constData() + m_at, size);
        m_at += qsizetype(size);
        return true;
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    bool m_failed = false;
};

} // namespace

QByteArray startupArtBytes(const StartupArt& art, QSize barButton)
{
    ArtWriter out;
    out.number(qint32(kArtMagic));
    out.number(barButton.width());
    out.number(barButton.height());
    out.image(art.picture.toImage());
    out.image(art.cursor);
    out.images(art.windowIcon);
    out.images(art.mainBarIcons);
    out.images(art.gridSizeIcons);
    out.images(art.symmetryIcons);
    return out.bytes();
}

std::optional<StartupArt> readStartupArt(const QByteArray& bytes, QSize barButton)
{
    ArtReader in(bytes);
    if (quint32(in.number()) != kArtMagic || in.number() != barButton.width() ||
        in.number() != barButton.height())
        return std::nullopt;
    StartupArt art;
    art.picture = Picture::fromImage(in.image());
    art.cursor = in.image();
    art.windowIcon = in.images();
    art.mainBarIcons = in.images();
    art.gridSizeIcons = in.images();
    art.symmetryIcons = in.images();
    if (in.failed() || !in.atEnd() || art.mainBarIcons.size() != 20 || art.gridSizeIcons.size() != 8 ||
        art.symmetryIcons.size() != 4 || art.windowIcon.empty())
        return std::nullopt;
    return art;
}

StartupArt startupArt(QSize barButton)
{
    QFile built(QString::fromLatin1(kBuiltArtPath));
    if (built.open(QIODevice::ReadOnly)) {
        // The resource is stored uncompressed: mapping it reads no copy.
        const uchar* data = built.map(0, built.size());
        const QByteArray bytes =
            data ? QByteArray::fromRawData(reinterpret_cast<const char*>(data), built.size())
                 : built.readAll();
        // The start-up picture, the cursor and the window icon are the same
        // on every screen; the bar icons fit only buttons of the size the
        // build drew them for, and are drawn again for any other.
        ArtReader header(bytes);
        header.number();
        const QSize builtFor(header.number(), header.number());
        if (std::optional<StartupArt> art = readStartupArt(bytes, builtFor)) {
            if (builtFor != barButton)
                drawBarIcons(*art, barButton);
            return std::move(*art);
        }
    }
    return drawStartupArt(barButton);
}

} // namespace Artwork

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

#include "canvas/BlockMask.h"
#include "canvas/EllipseRing.h"
#include "canvas/InkStamp.h"
#include "canvas/Picture.h"
#include "core/Colour.h"

class QPainter;

// The brush that paints interiors in a FillStyle: 0 solid, 1 transparent,
// 2 horizontal lines, 3 vertical lines, 4 upward diagonal, 5 downward
// diagonal, 6 cross, 7 diagonal cross.
Qt::BrushStyle fillStyleBrush(int fillStyle);

// A picture surface with two layers. What is drawn while AutoRedraw is on goes
// to the persistent image (and shows on screen); what is drawn while it is off
// goes to the screen layer only, and Refresh wipes it by restoring the screen
// from the persistent image. Refresh costs in proportion to the area drawn
// transiently since the last one, never a copy of the whole surface.
//
// Coordinates are twips (or pixels with ScaleMode::Pixels); pen widths are
// pixels. Drawing is aliased, so the same calls on two surfaces give the same
// pixels and a flood fill later meets exact colours.
//
// The persistent image is handed out as a tiled Picture. The surface keeps the
// tiles it last handed out and marks those it draws on since, so a snapshot
// after a small figure copies only the tiles the figure touched, and setting a
// picture that shares tiles with the last one writes only the tiles that
// differ. A surface that has only its BackColor (a page never drawn on) holds
// one tile and makes its full image only when something needs the pixels.
class Surface
{
  public:
    enum class ScaleMode
    {
        Twips = 1,
        Pixels = 3
    };
    explicit Surface(QSize sizePx = QSize(1, 1), double twipsPerPixel = 15.0);
    // A surface is one raster with one listener; it moves but is never
    // copied (a copy of its pixels is image()).
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    Surface(Surface&&) = default;
    Surface& operator=(Surface&&) = default;

    // A hidden surface has no screen to show: what is drawn on it while
    // AutoRedraw is off is lost, since nothing shows it.
    void setShown(bool shown);
    bool isShown() const { return m_shown; }

    void resize(QSize sizePx);
    QSize sizePx() const { return m_size; }
    double twipsPerPixel() const { return m_twipsPerPixel; }
    double width() const { return m_size.width() * m_twipsPerPixel; }
    double height() const { return m_size.height() * m_twipsPerPixel; }

    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    Colour foreColor() const { return m_foreColor; }
    void setForeColor(Colour c) { m_foreColor = c; }
    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour c);
    Colour fillColor() const { return m_fillColor; }
    void setFillColor(Colour c) { m_fillColor = c; }
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels < 1 ? 1 : pixels; }
    ScaleMode scaleMode() const { return m_scaleMode; }
    void setScaleMode(ScaleMode mode) { m_scaleMode = mode; }

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    QString fontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }
    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool on) { m_fontBold = on; }
    bool fontItalic() const { return m_fontItalic; }
    void setFontItalic(bool on) { m_fontItalic = on; }

    // A segment in ForeColor or in a colour, an outline box whose interior
    // follows FillStyle, and a box filled with the line colour.
    void line(QPointF from, QPointF to);
    // Segments in ForeColor drawn as one figure: the pixels of drawing each in
    // turn, for the cost of one.
    void lines(const std::vector<std::pair<QPointF, QPointF>>& segments);
    void line(QPointF from, QPointF to, Colour colour) { drawLine(from, to, colour, Shape::Segment); }
    void box(QPointF from, QPointF to, Colour colour) { drawLine(from, to, colour, Shape::Box); }
    void filledBox(QPointF from, QPointF to, Colour colour) { drawLine(from, to, colour, Shape::FilledBox); }

    // A circle; with start and end angles an arc (radians, counter-clockwise
    // from +x as seen on screen); with an aspect an ellipse whose vertical over
    // horizontal semi-axis is the aspect. The radius is the horizontal
    // semi-axis when the aspect is below 1 and the vertical one above 1.
    // Closed figures are filled by FillStyle and FillColor.
    void circle(QPointF centre, double radius, Colour colour, std::optional<double> start = std::nullopt,
                std::optional<double> end = std::nullopt, std::optional<double> aspect = std::nullopt);

    void plot(QPointF p);
    void plot(QPointF p, Colour colour);
    // Plots in ForeColor the points (x, y) for x = 0, step, 2 step ... up to
    // `right` and y likewise up to `bottom`, both ends included: what plotting
    // each point in turn gives, written in one pass over the pixels.
    void plotGrid(double step, double right, double bottom);
    // The colour shown at p, or -1 outside the surface.
    qint64 pixel(QPointF p) const;

    // The paint bucket: every pixel 4-connected to `at` that has exactly the
    // colour found there is painted solid in FillColor, whatever FillStyle
    // says. With AutoRedraw on the region is found on the persistent image and
    // the same pixels are painted on the screen layer; with it off the screen
    // layer alone is filled, from its own colours, until the next Refresh. A
    // point outside the surface changes nothing.
    void floodFill(QPointF at);

    // Writes text with its top-left corner at CurrentX/CurrentY, then moves the
    // print position to the start of the next line.
    void print(const QString& text);

    void refresh();

    // How refresh wipes the screen layer: by the areas drawn since the last
    // one, or by copying the whole persistent image, the plain way that the
    // benchmarks measure the first against.
    enum class RefreshMode
    {
        DrawnAreas,
        WholeImage
    };
    void setRefreshMode(RefreshMode mode) { m_refreshMode = mode; }

    // The picture last set; the persistent image is BackColor with it laid at
    // the top left (plain BackColor with a null picture), and setting one
    // wipes what was drawn.
    Picture picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    void setPicture(const QImage& picture);
    // The persistent image, sharing every tile not drawn on since last asked.
    Picture image() const;
    // The persistent image as one image, for reading pixels.
    const QImage& persistentImage() const;
    // What the screen shows: the persistent image with the transient drawing over it.
    const QImage& screen() const { return m_screen.isNull() ? persistentImage() : m_screen; }
    // Paints what the screen shows inside `region`. A surface whose pixels
    // are only in its tiles (a picture just set, nothing drawn since) is
    // painted from them, without making its full image. When the painter
    // draws on an image that takes the surface's pixels as they are, one to
    // one, small areas are copied straight into that image: the painter's
    // own clip does not apply to them, so `region` holds only what may be
    // painted.
    void paint(QPainter& painter, const QRegion& region) const;

    // The bytes of whole images the surface holds of its own, beside the
    // tiles it shares with its pictures: none for a hidden surface at rest.
    qsizetype imageBytes() const { return m_image.sizeInBytes() + m_screen.sizeInBytes(); }

    // Told of every region (in pixels) whose look on screen changed.
    void setChangeListener(std::function<void(const QRegion&)> listener) { m_listener = std::move(listener); }

    // While one is alive the listener hears nothing; when the last one ends
    // it is told once of everything changed meanwhile, in blocks of
    // BlockMask::kBlock pixels. A pointer move that wipes one preview and
    // draws a crosshair and four mirror images thus asks for one repaint.
    class ChangeBatch
    {
      public:
        explicit ChangeBatch(Surface& surface);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        Surface& m_surface;
    };

    // The pixel a coordinate falls on.
    QPoint toPixel(QPointF p) const;
    double toPixels(double length) const;

    // Checks every invariant written down at the members below and describes
    // the first one broken; empty when all hold. It reads every pixel the
    // caches hold, so the program never calls it: the tests do, after each
    // operation. A long run may compare only every rowStep-th row of pixels,
    // from firstRow on, and move firstRow along from one call to the next.
    QString checkInvariants(int rowStep = 1, int firstRow = 0) const;

  private:
    enum class Shape
    {
        Segment,
        Box,
        FilledBox
    };
    void drawLine(QPointF from, QPointF to, Colour colour, Shape shape);
    template <typename Paint> void draw(QRect bounds, Paint paint, std::vector<QRect> ink = {});
    template <typename Write> void drawInto(QRect bounds, Write write, std::vector<QRect> ink);
    template <typename Write> void drawDirect(QRect bounds, Write write);
    void setUpPainter(QPainter& painter) const;
    QFont font() const;
    void rebuildPersistent();
    void composePicture();
    void becomePlain();
    void settle();
    const InkStamp& stampFor(const InkStamp::Segments& shape, int width);
    const BoxOutlineStamp& outlineStamp(int width);
    // Every assignment of m_tiles but the hidden drawing's goes through here.
    void replaceTiles(Picture tiles) const;
    void resetScreen();
    void resetScreen(const std::vector<QRect>& rewritten);
    void changed(const QRect& r);
    // Areas to be reported as one region.
    void changed(const std::vector<QRect>& areas);
    // Reports the transient blocks, about to be cleared, as changed.
    void transientWiped();
    void reportChanges();
    QRect rect() const { return QRect(QPoint(0, 0), m_size); }

    // How the caches hang together; checkInvariants() tests each of these.
    //
    // 1. The persistent image is held in m_image, in m_tiles, or in both:
    //    never in neither. Each has the surface's size; m_image is 32-bit RGB
    //    and m_tiles has no transparency. m_stale, m_transient and
    //    m_changedBlocks are grids over the surface's size.
    // 2. m_tiles is the persistent image as it was when the tiles were last
    //    handed out, and m_stale marks every tile drawn on since: where both
    //    are held, each tile not marked holds exactly m_image's pixels.
    //    Without m_image nothing has been drawn on it, so nothing is stale.
    // 3. A hidden surface holds its tiles, with nothing stale, no screen
    //    layer and no transient blocks: m_image, if held, is a reader's copy
    //    of the tiles, dropped by the next drawing.
    // 4. The screen layer, when held, has the size and format of m_image,
    //    which is then held too, and equals it pixel for pixel outside the
    //    transient blocks: so restoring those blocks from m_image wipes every
    //    transient drawing. Without a screen layer no block is transient.
    // 5. Outside every ChangeBatch (m_batches is 0) each change has been
    //    reported: no changed block waits and m_transientDrawn is false.
    QSize m_size;
    // Null while the persistent image lives only in m_tiles; the three are
    // caches of one value, filled in by const readers. A hidden surface keeps
    // its pixels in m_tiles alone and m_image only as a passing copy for a
    // reader, so that a page holds its pixels once, shared with its history.
    mutable QImage m_image;
    mutable TileGrid m_tiles; // null when no tile of m_image has been taken yet
    mutable TileMask m_stale; // tiles of m_image drawn on since m_tiles was made
    QImage m_screen;
    Picture m_picture;
    // Where the screen layer differs from the persistent image.
    BlockMask m_transient;
    // The areas changed and not yet reported: a figure's ink, or everything
    // since the first of the ChangeBatches alive.
    BlockMask m_changedBlocks;
    int m_batches = 0;
    // Transient drawing in the current batch, reported with the batch.
    bool m_transientDrawn = false;
    // The shape of the last ring drawn: the next ring of the same shape (a
    // mirror image, the same figure on a page) takes its rows from it.
    std::optional<EllipseRing> m_ring;
    // The covered pixels of the last figures of segments, laid down again
    // when the same figure comes back.
    std::vector<InkStamp> m_stamps;
    size_t m_nextStamp = 0;
    // The outline of boxes in the last pen width drawn.
    std::optional<BoxOutlineStamp> m_outlineStamp;
    std::function<void(const QRegion&)> m_listener;
    double m_twipsPerPixel;
    RefreshMode m_refreshMode = RefreshMode::DrawnAreas;
    bool m_shown = true;
    bool m_autoRedraw = false;
    Colour m_foreColor = kBlack;
    Colour m_backColor = kWhite;
    Colour m_fillColor = kBlack;
    int m_fillStyle = 1;
    int m_drawWidth = 1;
    ScaleMode m_scaleMode = ScaleMode::Twips;
    double m_currentX = 0;
    double m_currentY = 0;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontItalic = false;
};

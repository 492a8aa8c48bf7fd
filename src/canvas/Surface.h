// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

#include "canvas/ChangeReport.h"
#include "canvas/DrawingProperties.h"
#include "canvas/PersistentImage.h"
#include "canvas/ScreenLayer.h"
#include "canvas/ShapeMemo.h"

class QPainter;

// A picture surface with two layers: drawing with AutoRedraw on goes to the
// persistent image, with it off to the screen layer alone, which Refresh
// wipes. Coordinates are twips (or pixels); pen widths are pixels; drawing is
// aliased, so the same calls give the same pixels on any two surfaces. It
// composes its rooms, each with its own state and invariants: how it draws
// (DrawingProperties), what it keeps (PersistentImage), what the screen shows
// over that (ScreenLayer), whom it tells (ChangeReport) and the shapes it lays
// down again (ShapeMemo). A hidden surface (a page) has no screen layer.
class Surface
{
  public:
    using ScaleMode = DrawingProperties::ScaleMode;
    explicit Surface(QSize sizePx = QSize(1, 1), double twipsPerPixel = 15.0);
    // It moves but is never copied; a copy of its pixels is image().
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    Surface(Surface&&) = default;
    Surface& operator=(Surface&&) = default;
    // A hidden surface loses what is drawn on it while AutoRedraw is off.
    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    void resize(QSize sizePx);
    QSize sizePx() const { return m_persistent.size(); }
    double twipsPerPixel() const { return m_draw.twipsPerPixel; }
    double width() const { return sizePx().width() * m_draw.twipsPerPixel; }
    double height() const { return sizePx().height() * m_draw.twipsPerPixel; }
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    Colour foreColor() const { return m_draw.foreColor; }
    void setForeColor(Colour c) { m_draw.foreColor = c; }
    Colour backColor() const { return m_draw.backColor; }
    void setBackColor(Colour c);
    Colour fillColor() const { return m_draw.fillColor; }
    void setFillColor(Colour c) { m_draw.fillColor = c; }
    int fillStyle() const { return m_draw.fillStyle; }
    void setFillStyle(int style) { m_draw.fillStyle = style; }
    int drawWidth() const { return m_draw.drawWidth; }
    void setDrawWidth(int pixels) { m_draw.drawWidth = pixels < 1 ? 1 : pixels; }
    ScaleMode scaleMode() const { return m_draw.scaleMode; }
    void setScaleMode(ScaleMode mode) { m_draw.scaleMode = mode; }
    double currentX() const { return m_draw.currentX; }
    double currentY() const { return m_draw.currentY; }
    void setCurrentX(double x) { m_draw.currentX = x; }
    void setCurrentY(double y) { m_draw.currentY = y; }
    QString fontName() const { return m_draw.fontName; }
    void setFontName(const QString& name) { m_draw.fontName = name; }
    double fontSize() const { return m_draw.fontSize; }
    void setFontSize(double points) { m_draw.fontSize = points; }
    bool fontBold() const { return m_draw.fontBold; }
    void setFontBold(bool on) { m_draw.fontBold = on; }
    bool fontItalic() const { return m_draw.fontItalic; }
    void setFontItalic(bool on) { m_draw.fontItalic = on; }
    // Segments, a box whose interior follows FillStyle, a filled box;
    // lines() draws its segments as one figure, for the cost of one.
    void line(QPointF from, QPointF to);
    void lines(const std::vector<std::pair<QPointF, QPointF>>& segments);
    void line(QPointF from, QPointF to, Colour colour);
    void box(QPointF from, QPointF to, Colour colour);
    void filledBox(QPointF from, QPointF to, Colour colour);
    // A circle; with angles an arc (radians, counter-clockwise from +x on
    // screen); with an aspect (vertical over horizontal semi-axis) an ellipse
    // whose longer semi-axis is the radius. Closed figures follow FillStyle.
    void circle(QPointF centre, double radius, Colour colour, std::optional<double> start = std::nullopt,
                std::optional<double> end = std::nullopt, std::optional<double> aspect = std::nullopt);
    void plot(QPointF p);
    void plot(QPointF p, Colour colour);
    // Plots the points (x, y), x = 0, step, ... <= right, y likewise <= bottom.
    void plotGrid(double step, double right, double bottom);
    // The colour shown at p, or -1 outside the surface.
    qint64 pixel(QPointF p) const;
    // The paint bucket in FillColor: with AutoRedraw off on the screen
    // layer alone, from its own colours, until the next Refresh.
    void floodFill(QPointF at);
    // Writes text at CurrentX/CurrentY and moves to the start of the next line.
    void print(const QString& text);
    void refresh();
    using RefreshMode = ScreenLayer::RefreshMode;
    void setRefreshMode(RefreshMode mode) { m_screen.setRefreshMode(mode); }
    // The picture last set, laid over BackColor; setting one wipes the drawing.
    Picture picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    void setPicture(const QImage& picture);
    // The persistent image, sharing every tile not drawn on since last asked.
    Picture image() const { return m_persistent.handOut(); }
    const QImage& persistentImage() const { return m_persistent.whole(); }
    // The persistent image with the transient drawing over it.
    const QImage& screen() const { return m_screen.isHeld() ? m_screen.image() : persistentImage(); }
    // Paints what the screen shows inside `region`, which holds only what may
    // be painted: small areas go straight into a painter's image, past its clip.
    void paint(QPainter& painter, const QRegion& region) const;
    // The bytes of whole images held beside the shared tiles.
    qsizetype imageBytes() const { return m_persistent.wholeBytes() + m_screen.bytes(); }
    // Told of every region (in pixels) whose look on screen changed.
    void setChangeListener(std::function<void(const QRegion&)> listener);
    // Holds the listener's news until the last batch ends (see ChangeReport).
    class ChangeBatch
    {
      public:
        explicit ChangeBatch(Surface& surface) : m_surface(surface) { m_surface.m_report.openBatch(); }
        ~ChangeBatch() { m_surface.m_report.closeBatch(m_surface.m_screen.transient()); }
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        Surface& m_surface;
    };
    QPoint toPixel(QPointF p) const { return m_draw.toPixel(p); }
    double toPixels(double length) const { return m_draw.toPixels(length); }

    // The first broken invariant of a room or between rooms, or empty. It
    // reads the pixels (every rowStep-th row from firstRow), so only tests call it.
    QString checkInvariants(int rowStep = 1, int firstRow = 0) const;

  private:
    enum class Shape; // of drawLine(): a segment, a box, a filled box
    void drawLine(QPointF from, QPointF to, Colour colour, Shape shape);
    template <typename Paint> void draw(QRect bounds, Paint paint, std::vector<QRect> ink = {});
    template <typename Write> void drawInto(QRect bounds, Write write, std::vector<QRect> ink);
    template <typename Write> void drawDirect(QRect bounds, Write write);
    void rebuildPersistent();
    void resetScreen(const std::vector<QRect>& rewritten);
    void settle();
    QRect rect() const { return QRect(QPoint(0, 0), sizePx()); }

    DrawingProperties m_draw;
    PersistentImage m_persistent;
    ScreenLayer m_screen;
    ChangeReport m_report;
    ShapeMemo m_memo;
    Picture m_picture;
    bool m_shown = true;
    bool m_autoRedraw = false;
};

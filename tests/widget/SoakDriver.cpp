// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widget/SoakDriver.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "support/PictureBytes.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

namespace {

const char* const kComboTexts[] = {"",    "abc",   "-5", "1e308", "4.5", "3",   "20",
                                   "21",  "0",     "7",  "8",     "72",  "73",  "2147483648",
                                   " 12", "12abc", "-0", "nan",   "inf", "1,5", "1e-308"};
const char* const kFontNames[] = {"Arial",           "",  "abc", "DejaVu Sans", "Liberation Serif",
                                  "Times New Roman", "-5"};
const char* const kTyping[] = {"a", "Hola", "ñ", "€", " ", "¿Qué?", "\t", "0123456789"};

// Two images hold the same colours everywhere (alpha aside).
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    const QImage ca = a.format() == QImage::Format_RGB32 ? a : a.convertToFormat(QImage::Format_RGB32);
    const QImage cb = b.format() == QImage::Format_RGB32 ? b : b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ca.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(ca.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(cb.constScanLine(y));
        for (int x = 0; x < ca.width(); ++x)
            if ((la[x] ^ lb[x]) & 0xFFFFFF)
                return false;
    }
    return true;
}

} // namespace

Soak::Soak(MainWindow& window, ScriptedServices& services, std::uint32_t seed)
    : m_window(window), m_services(services), m_seed(seed), m_random(seed),
      m_canvasArea(window.twipGeometry(window.canvasView())),
      m_paletteArea(window.twipGeometry(window.paletteView()))
{
    makeFiles();
}

void Soak::makeFiles()
{
    const QDir dir(m_files.path());
    writeBytes(dir.filePath("foto.jpg"), encoded(busy(QSize(300, 200)), "jpeg"));
    writeBytes(dir.filePath("mapa.bmp"), encoded(blocks(QSize(1000, 800)), "bmp"));
    writeBytes(dir.filePath("pequeño.BMP"), encoded(blocks(QSize(30, 20)), "bmp"));
    writeBytes(dir.filePath("punto.gif"), redDotGif());
    writeBytes(dir.filePath("texto.jpg"), "no soy una imagen");
    writeBytes(dir.filePath("vacio.bmp"), QByteArray());
    writeBytes(dir.filePath("cortado.bmp"), encoded(blocks(QSize(60, 40)), "bmp").left(500));
    writeBytes(dir.filePath("notas.txt"), "hola");
    for (const char* name : {"foto.jpg", "mapa.bmp", "pequeño.BMP", "punto.gif", "texto.jpg", "vacio.bmp",
                             "cortado.bmp", "notas.txt", "no-existe.bmp"})
        m_openAnswers.push_back(dir.filePath(QString::fromUtf8(name)));
    m_openAnswers.push_back(std::nullopt);
    m_openAnswers.push_back(QString());
    for (const char* name : {"dibujo", "dibujo.bmp", "otro dibujo", "sin-carpeta/dibujo"})
        m_saveAnswers.push_back(dir.filePath(QString::fromUtf8(name)));
    m_saveAnswers.push_back(m_files.path());
    m_saveAnswers.push_back(std::nullopt);
    m_saveAnswers.push_back(QString());
}

// Mostly inside the extent, sometimes just outside it, now and then far
// outside, and rarely beyond what 32-bit twips hold.
float Soak::coordinate(double extent)
{
    const int tier = below(100);
    if (tier < 80)
        return float(std::uniform_real_distribution<double>(0, extent)(m_random));
    if (tier < 93)
        return float(std::uniform_real_distribution<double>(-3000, extent + 3000)(m_random));
    if (tier < 99)
        return float(std::uniform_real_distribution<double>(-1e6, 1e6)(m_random));
    static const float extremes[] = {2.5f, -2.5f, 1e9f, -1e9f, 2.2e9f, -2.2e9f, 3e9f, -1e30f};
    return pick(extremes);
}

void Soak::note(const QString& what)
{
    m_recent.push_back(QStringLiteral("%1: %2").arg(m_event).arg(what));
    if (m_recent.size() > 40)
        m_recent.pop_front();
}

std::string Soak::context() const
{
    QString text = QStringLiteral("seed %1 (LIENZO_SOAK_SEED=%1 replays it), event %2; latest events:\n")
                       .arg(m_seed)
                       .arg(m_event);
    for (const QString& line : m_recent)
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    return text.toStdString();
}

void Soak::fail(const std::string& what)
{
    ADD_FAILURE() << what << "\n" << context();
    m_failed = true;
}

// Counts an event that has run and checks that every surface's caches still
// agree with each other. Comparing every pixel after each event would take
// ten times as long as the events themselves, so every eighth row is
// compared, a different eighth each time: a difference that lasts is found
// within eight events. After a release every row is compared.
void Soak::ran(bool everyRow)
{
    ++m_event;
    const int step = everyRow ? 1 : 8;
    const auto check = [&](const Surface& surface, const QString& name) {
        const QString broken = surface.checkInvariants(step, int(m_event % step));
        if (!broken.isEmpty())
            fail(QStringLiteral("%1: %2").arg(name, broken).toStdString());
    };
    check(m_window.canvas(), QStringLiteral("canvas"));
    for (int i = 0; i < 10; ++i)
        check(m_window.page(i), QStringLiteral("page %1").arg(i + 1));
    check(m_window.paletteStrip(), QStringLiteral("palette strip"));
}

void Soak::run(long events)
{
    while (m_event < events && !m_failed) {
        const int kind = below(100);
        if (kind < 30)
            gesture();
        else if (kind < 55)
            move(0, coordinate(m_canvasArea.width()), coordinate(m_canvasArea.height()));
        else if (kind < 58)
            chance(0.5)
                ? press(1 << below(3), coordinate(m_canvasArea.width()), coordinate(m_canvasArea.height()))
                : release(1 << below(3), coordinate(m_canvasArea.width()), coordinate(m_canvasArea.height()));
        else if (kind < 68)
            mainBar();
        else if (kind < 80)
            optionBar();
        else if (kind < 84) {
            const int index = below(10);
            note(QStringLiteral("page %1").arg(index));
            m_window.pageClicked(index);
            m_canvasOwn = false;
            ran();
        } else if (kind < 88) {
            const int button = 1 << below(3);
            const float x = coordinate(m_paletteArea.width()), y = coordinate(m_paletteArea.height());
            note(QStringLiteral("palette %1 %2 %3").arg(button).arg(x).arg(y));
            m_window.paletteClicked(button, 0, x, y);
            ran();
        } else if (kind < 92)
            combo();
        else if (kind < 98)
            typing();
        else if (kind < 99)
            closeRequest();
        else
            checkAnswering();
    }
    std::printf("soak: seed %u, %ld events, %ld releases, %ld compared with the page\n", m_seed, m_event,
                m_releases, m_compared);
}

// Press, a drag of up to two dozen moves with the button held (now and then
// one without it), release.
void Soak::gesture()
{
    static const int buttons[] = {1, 1, 1, 2, 4, 3};
    const int button = pick(buttons);
    float x = coordinate(m_canvasArea.width()), y = coordinate(m_canvasArea.height());
    if (chance(0.7))
        move(0, x, y);
    press(button, x, y);
    for (int n = below(25); n > 0 && !m_failed; --n) {
        if (chance(0.05)) {
            x = coordinate(m_canvasArea.width());
            y = coordinate(m_canvasArea.height());
        } else {
            x += float(std::uniform_real_distribution<double>(-600, 600)(m_random));
            y += float(std::uniform_real_distribution<double>(-600, 600)(m_random));
        }
        move(chance(0.95) ? button : 0, x, y);
    }
    if (!m_failed)
        release(button, chance(0.9) ? x : coordinate(m_canvasArea.width()), y);
}

void Soak::move(int button, float x, float y)
{
    note(QStringLiteral("move %1 %2 %3").arg(button).arg(x).arg(y));
    if (button != 0 && drawingPropertiesDiffer())
        m_canvasOwn = true;
    m_window.canvasMoved(button, 0, x, y);
    ran();
}

void Soak::press(int button, float x, float y)
{
    note(QStringLiteral("press %1 %2 %3").arg(button).arg(x).arg(y));
    m_window.canvasPressed(button, 0, x, y);
    ran();
}

void Soak::release(int button, float x, float y)
{
    note(QStringLiteral("release %1 %2 %3 (tool %4)")
             .arg(button)
             .arg(x)
             .arg(y)
             .arg(m_window.state().toolMode));
    if (drawingPropertiesDiffer())
        m_canvasOwn = true;
    m_window.canvasReleased(button, 0, x, y);
    ran(true);
    ++m_releases;
    checkAfterRelease();
}

// A main bar click with fresh answers ready for whatever dialog it opens. The
// overwrite question may be answered Sí; the exit question never is.
void Soak::mainBar()
{
    // Redo has a key and no button; it comes among the bar's commands.
    if (chance(0.1)) {
        note(QStringLiteral("redo"));
        const auto positions = m_window.state().historyPosition;
        m_window.redoRequested();
        // A redo step moves the page's position on and shows the page.
        if (m_window.state().historyPosition != positions)
            m_canvasOwn = false;
        ++m_event;
        return;
    }
    const int index = below(20);
    m_services.openAnswer = m_openAnswers[size_t(below(int(m_openAnswers.size())))];
    m_services.saveAnswer = m_saveAnswers[size_t(below(int(m_saveAnswers.size())))];
    m_services.colourAnswer =
        chance(0.3) ? std::nullopt : std::optional<Colour>(Colour(m_random() & 0xFFFFFF));
    m_services.yesNoAnswer = MainCommand(index) == MainCommand::Save && chance(0.5);
    m_services.printerPresent = chance(0.5);
    const qsizetype messages = m_services.messages.size();
    note(QStringLiteral("main bar %1").arg(index));
    m_window.mainBarClicked(index);
    ran();
    m_services.yesNoAnswer = false;
    m_services.printed.clear();

    switch (MainCommand(index)) {
    case MainCommand::Open:
        // A picture that opened is now both the canvas's and the page's.
        if (m_services.openAnswer && !m_services.openAnswer->isEmpty() &&
            m_services.messages.size() == messages)
            m_canvasOwn = false;
        break;
    case MainCommand::Save:
    case MainCommand::Undo:
    case MainCommand::Clear:
        m_canvasOwn = false;
        break;
    case MainCommand::Help:
        m_canvasOwn = true;
        break;
    default:
        break;
    }
    if (m_services.endRequests != 0)
        fail("the program asked to end without a Sí");
    if (m_services.messages.size() > 1000)
        m_services.messages.clear();
    if (m_services.questions.size() > 1000)
        m_services.questions.clear();
}

void Soak::optionBar()
{
    // The grid's dots stay on the canvas until it is reloaded, and until then
    // the page cannot be compared with it: the grid bar comes up less often.
    const int bar = chance(0.05) ? 0 : 1 + below(7);
    static const int sizes[] = {8, 4, 3, 6, 14, 8, 6, 2};
    const int index = below(sizes[bar]);
    note(QStringLiteral("option bar %1 button %2").arg(bar).arg(index));
    switch (bar) {
    case 0:
        m_window.gridSizeClicked(index);
        m_canvasOwn = true; // the grid's dots are on the canvas only
        break;
    case 1:
        m_window.symmetryClicked(index);
        break;
    case 2:
        m_window.polygonMethodClicked(index);
        break;
    case 3:
        m_window.curveModeClicked(index);
        break;
    case 4:
        m_window.widthClicked(index);
        break;
    case 5:
        m_window.fillPatternClicked(index);
        break;
    case 6:
        m_window.eraserSizeClicked(index);
        break;
    default:
        m_window.fontStyleClicked(index);
        break;
    }
    ran();
}

// Text typed into the combo boxes, or an item picked from their lists; the
// font boxes run their handlers as a pick would.
void Soak::combo()
{
    const int which = below(3);
    QComboBox* box = which == 0   ? m_window.optionBars().sidesBox
                     : which == 1 ? m_window.optionBars().fontSizeBox
                                  : m_window.optionBars().fontNameBox;
    if (chance(0.2) && box->count() > 0)
        box->setCurrentIndex(below(box->count()));
    else
        box->setEditText(QString::fromUtf8(which == 2 ? pick(kFontNames) : pick(kComboTexts)));
    note(QStringLiteral("combo %1 \"%2\"").arg(which).arg(box->currentText()));
    if (which == 1)
        m_window.fontSizeChosen();
    else if (which == 2)
        m_window.fontNameChosen();
    ran();
}

void Soak::typing()
{
    QLineEdit* entry = m_window.textEntry();
    const int what = below(10);
    if (what < 6)
        entry->insert(QString::fromUtf8(pick(kTyping)));
    else if (what < 8)
        entry->backspace();
    else if (what < 9)
        entry->clear();
    else
        entry->setText(QString(below(120), QLatin1Char('W')));
    note(QStringLiteral("typing, entry now %1 characters").arg(entry->text().size()));
    ran();
}

// The window manager's close button: the question is answered No.
void Soak::closeRequest()
{
    note(QStringLiteral("close"));
    if (m_window.close())
        fail("the window closed although the answer was No");
    if (m_services.endRequests != 0)
        fail("closing asked the program to end");
    ran();
}

// The palette and the colour dialog set the fore and fill colours of the
// canvas and the current page only, and the fill tool restores the fill
// pattern on those two only; after a page switch the canvas can therefore
// draw a filled figure or text differently from the page, as it should.
bool Soak::drawingPropertiesDiffer() const
{
    Surface& canvas = m_window.canvas();
    Surface& page = m_window.page(m_window.state().currentPage);
    switch (m_window.state().toolMode) {
    case Tool::Dots:
    case Tool::Curve:
    case Tool::Rectangle:
    case Tool::Fill:
        return canvas.fillColor() != page.fillColor() || canvas.fillStyle() != page.fillStyle();
    case Tool::Text:
        return canvas.foreColor() != page.foreColor();
    default:
        return false;
    }
}

void Soak::checkAfterRelease()
{
    const EditorState& state = m_window.state();
    for (int p = 0; p < 10; ++p)
        if (state.historyPosition[size_t(p)] < 0 || state.historyPosition[size_t(p)] > 6)
            return fail("history position " + std::to_string(state.historyPosition[size_t(p)]) + " on page " +
                        std::to_string(p));
    if (state.currentPage > 9)
        return fail("current page " + std::to_string(state.currentPage));
    Surface& page = m_window.page(state.currentPage);
    if (m_window.canvas().autoRedraw() || !page.autoRedraw())
        return fail("after a release the canvas must draw on its screen layer and the page persistently");
    if (!m_canvasOwn) {
        ++m_compared;
        const QImage& canvas = m_window.canvas().persistentImage();
        if (!samePixels(canvas, page.persistentImage())) {
            const QPoint at = firstDifference(canvas, page.persistentImage());
            const QString saved = QDir::temp().filePath(QStringLiteral("lienzo-soak-%1").arg(m_seed));
            canvas.save(saved + QStringLiteral("-canvas.png"));
            page.persistentImage().save(saved + QStringLiteral("-page.png"));
            return fail(
                QStringLiteral("the page differs from the canvas at pixel (%1, %2); both saved as %3-*.png")
                    .arg(at.x())
                    .arg(at.y())
                    .arg(saved)
                    .toStdString());
        }
    }
    checkAnswering();
}

// The window still takes events: a call queued now runs on the next turn.
void Soak::checkAnswering()
{
    bool answered = false;
    QMetaObject::invokeMethod(
        &m_window, [&answered] { answered = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    if (!answered)
        fail("a queued call did not run: the event loop no longer answers");
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainWindow.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "app/Artwork.h"
#include "app/HandlerGuard.h"
#include "app/StartupArtWorker.h"
#include "canvas/CanvasView.h"
#include "files/QtPlatformServices.h"
#include "options/ListPick.h"
#include "options/PictureButton.h"
#include "pages/PageSwitch.h"
#include "recovery/DrawingKeeper.h"
#include "tools/FigureCommit.h"
#include "tools/PointerTracking.h"

MainWindow::MainWindow(QSizeF screenTwips, double twipsPerPixel, QWidget* parent, FramePacer::Pacing pacing)
    : QWidget(parent), m_screenTwips(screenTwips), m_twipsPerPixel(twipsPerPixel), m_pacing(pacing),
      m_canvas(QSize(1, 1), twipsPerPixel), m_paletteStrip(QSize(1, 1), twipsPerPixel)
{
    setWindowTitle(QStringLiteral("Lienzo"));
    setWindowFlag(Qt::FramelessWindowHint);
    for (Surface& page : m_pages) {
        page = Surface(QSize(1, 1), twipsPerPixel);
        page.setShown(false);
        // A page buffer keeps only what is drawn while AutoRedraw is on; it
        // starts on so that the eraser reaches the page from the first stroke.
        page.setAutoRedraw(true);
    }
    // While the controls are made, the start-up picture, the cursor, the
    // window icon and the first icons are got ready, and the screen's fonts
    // are read: reading them takes longer than making all the controls, and
    // the page numbers need them for the first paint.
    m_startupArt.emplace(barButtonPixels(twipsPerPixel));
    try {
        m_fontsRead = std::async(std::launch::async, [] {
            QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("0123456789"));
        });
    } catch (...) {
        // Without a thread the fonts are read by the first paint.
    }
    m_keeper = std::make_unique<DrawingKeeper>(keptDrawingsFolder());
    m_ownPlatform = std::make_unique<QtPlatformServices>(this);
    m_platform = m_ownPlatform.get();
    createControls();
    startUp();
    connectHandlers();
    createShortcuts();
    acceptDrops();
}

// The views show surfaces that are members of this window, and Qt deletes
// child widgets only after the members are gone; so the views go first, while
// the surfaces they are attached to still exist.
MainWindow::~MainWindow()
{
    delete m_canvasView;
    delete m_paletteView;
}

template <size_t N>
void MainWindow::connectBar(const std::array<PictureButton*, N>& bar, void (MainWindow::*handler)(int))
{
    for (size_t i = 0; i < N; ++i)
        connect(bar[i], &QAbstractButton::clicked, this, [this, handler, i] { (this->*handler)(int(i)); });
}

// The lists are filled by start-up before the combo boxes are connected, so
// filling them runs no handler.
void MainWindow::connectHandlers()
{
    connect(m_canvasView, &CanvasView::mouseMoved, this, &MainWindow::canvasMoved);
    connect(m_canvasView, &CanvasView::mousePressed, this, &MainWindow::canvasPressed);
    connect(m_canvasView, &CanvasView::mouseReleased, this, &MainWindow::canvasReleased);
    connect(m_paletteView, &CanvasView::mousePressed, this, &MainWindow::paletteClicked);
    connectBar(m_mainBar, &MainWindow::mainBarClicked);
    connectBar(gridSizeBar, &MainWindow::gridSizeClicked);
    connectBar(symmetryBar, &MainWindow::symmetryClicked);
    connectBar(pageButtons, &MainWindow::pageClicked);
}

// The lists are filled when the bars are made, before this, so filling them
// runs no handler.
void MainWindow::connectOptionBars()
{
    const OptionBars& b = m_optionBars;
    connectBar(b.polygonMethodBar, &MainWindow::polygonMethodClicked);
    connectBar(b.curveBar, &MainWindow::curveModeClicked);
    connectBar(b.widthBar, &MainWindow::widthClicked);
    connectBar(b.fillPatternBar, &MainWindow::fillPatternClicked);
    connectBar(b.fontStyleBar, &MainWindow::fontStyleClicked);
    connectBar(b.eraserBar, &MainWindow::eraserSizeClicked);
    // Only a pick from the list runs these; typing into the box does not.
    onListPick(b.fontSizeBox, [this] { fontSizeChosen(); });
    onListPick(b.fontNameBox, [this] { fontNameChosen(); });
}

void MainWindow::setPlatformServices(PlatformServices* services)
{
    m_platform = services ? services : m_ownPlatform.get();
}

// Closing the window from outside asks the same question as the exit button,
// so that the ten pages are not lost by a stray click.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_quitConfirmed) {
        bool yes = false;
        runHandler([&] { yes = m_platform->askYesNo(tr("Quieres salir del programa")); });
        if (yes)
            quitConfirmed();
    }
    if (m_quitConfirmed)
        event->accept();
    else
        event->ignore();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_firstPainted) {
        m_firstPainted = true;
        // The text entry is made once the window has shown.
        QMetaObject::invokeMethod(
            this, [this] { textEntry(); }, Qt::QueuedConnection);
    }
}

QRectF MainWindow::twipGeometry(const QWidget* control) const
{
    const auto it = m_twips.find(control);
    return it == m_twips.end() ? QRectF() : it->second;
}

void MainWindow::place(QWidget* control, double left, double top, double width, double height)
{
    m_twips[control] = QRectF(left, top, width, height);
    const double k = m_twipsPerPixel;
    control->setGeometry(
        QRect(QPoint(int(std::lround(left / k)), int(std::lround(top / k))), pixels(width, height)));
    if (control == m_canvasView)
        m_canvas.resize(control->size());
    else if (control == m_paletteView)
        m_paletteStrip.resize(control->size());
}

QSize MainWindow::barButtonPixels(double twipsPerPixel)
{
    const int side = std::max(1, int(std::lround(kBarButton / twipsPerPixel)));
    return QSize(side, side);
}

QSize MainWindow::pixels(double width, double height) const
{
    const double k = m_twipsPerPixel;
    return QSize(std::max(1, int(std::lround(width / k))), std::max(1, int(std::lround(height / k))));
}

void MainWindow::setLeft(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, v, r.top(), r.width(), r.height());
}

void MainWindow::setTop(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), v, r.width(), r.height());
}

void MainWindow::setWidth(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), r.top(), v, r.height());
}

void MainWindow::setHeight(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), r.top(), r.width(), v);
}

void MainWindow::canvasMoved(int button, int, float x, float y)
{
    runHandler([&] {
        // The wiped preview, the crosshair and every mirror image reach the
        // widget as one region.
        const Surface::ChangeBatch batch(m_canvas);
        trackPointer(m_state, m_canvas, currentPage(), button, x, y, enteredText(), sidesText());
    });
}

void MainWindow::canvasPressed(int, int, float x, float y)
{
    runHandler([&] { pressAnchor(m_state, x, y); });
}

// Every release records the page in its history before anything is drawn,
// then commits the current tool's figure on the canvas and the page. However
// the commit ends, the canvas goes back to drawing on its screen layer and the
// page keeps drawing on its persistent image: left the other way, every later
// rubber band would stay on the drawing. The canvas draws with the chosen
// line width, the one the page buffers have, even when no move with a button
// held has set it since the last crosshair: otherwise the canvas and the page
// would come out different.
void MainWindow::canvasReleased(int, int, float, float)
{
    runHandler([&] {
        Surface& page = currentPage();
        try {
            recordHistory(m_state, m_historyRings, page);
            m_canvas.setAutoRedraw(true);
            page.setAutoRedraw(true);
            m_canvas.setDrawWidth(m_state.lineWidth);
            {
                const Surface::ChangeBatch batch(m_canvas);
                commitFigure(m_state, m_canvas, page);
            }
            if (m_state.toolMode == Tool::Text)
                placeText();
        } catch (...) {
            m_canvas.setAutoRedraw(false);
            page.setAutoRedraw(true);
            throw;
        }
        m_canvas.setAutoRedraw(false);
        page.setAutoRedraw(true);
    });
    keepPage();
}

void MainWindow::pageClicked(int index)
{
    runHandler([&] {
        pageButtons.at(m_state.highlightedPage)->setBackColor(kWhite);
        pageButtons.at(size_t(index))->setBackColor(kBlue);
        showPage(m_state, m_canvas, m_pages, index);
        m_keeper->setShowingPage(index);
    });
}

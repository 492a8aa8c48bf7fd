#include "app/Form1.h"

#include <QLineEdit>

#include "app/HandlerGuard.h"
#include "canvas/CanvasView.h"
#include "preview/PointerTracking.h"

Form1::Form1(double twipsPerPixel, QWidget* parent)
    : QWidget(parent), m_twipsPerPixel(twipsPerPixel), m_picture1(QSize(1, 1), twipsPerPixel)
{
    setWindowTitle(QStringLiteral("Lienzo"));
    for (Surface& page : m_picture2) {
        page = Surface(QSize(1, 1), twipsPerPixel);
        page.setShown(false);
        // A page buffer keeps only what is drawn while AutoRedraw is on; it
        // starts on so that the eraser reaches the page from the first stroke.
        page.setAutoRedraw(true);
    }

    // The text entry lies under the canvas: it keeps the keyboard focus for
    // the text tool without being seen.
    m_text1 = new QLineEdit(this);
    m_canvasView = new CanvasView(m_picture1, this);
    m_canvasView->raise();
    connect(m_canvasView, &CanvasView::mouseMoved, this, &Form1::Picture1_MouseMove);

    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    applyStartValues(m_state);
    m_state.mirrorAxisX = snapToGrid(m_picture1.Width() / 2, m_state.gridStep);
    m_state.mirrorAxisY = snapToGrid(m_picture1.Height() / 2, m_state.gridStep);
    for (Surface& page : m_picture2) {
        page.setDrawWidth(5);
        page.setBackColor(kWhite);
    }
    m_picture1.setBackColor(kWhite);
    m_picture1.setFillColor(kWhite);
}

void Form1::resizeEvent(QResizeEvent*)
{
    const QSize px = size();
    m_picture1.resize(px);
    for (Surface& page : m_picture2)
        page.resize(px);
    m_canvasView->setGeometry(rect());
    m_text1->setGeometry(0, 0, width(), 30);
    m_state.mirrorAxisX = snapToGrid(m_picture1.Width() / 2, m_state.gridStep);
    m_state.mirrorAxisY = snapToGrid(m_picture1.Height() / 2, m_state.gridStep);
}

void Form1::Picture1_MouseMove(int button, int, float x, float y)
{
    runHandler([&] { trackPointer(m_state, m_picture1, currentPage(), button, x, y, m_text1->text()); });
}

#include "app/Form1.h"

#include <cmath>

#include <QComboBox>
#include <QLineEdit>

#include "app/HandlerGuard.h"
#include "app/PictureButton.h"
#include "canvas/CanvasView.h"
#include "canvas/FigureCommit.h"
#include "preview/PointerTracking.h"

Form1::Form1(QSizeF screenTwips, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), m_screenTwips(screenTwips), m_twipsPerPixel(twipsPerPixel),
      m_picture1(QSize(1, 1), twipsPerPixel), m_picture3(QSize(1, 1), twipsPerPixel)
{
    setWindowTitle(QStringLiteral("Lienzo"));
    setWindowFlag(Qt::FramelessWindowHint);
    for (Surface& page : m_picture2) {
        page = Surface(QSize(1, 1), twipsPerPixel);
        page.setShown(false);
        // A page buffer keeps only what is drawn while AutoRedraw is on; it
        // starts on so that the eraser reaches the page from the first stroke.
        page.setAutoRedraw(true);
    }
    createControls();
    connect(m_picture1View, &CanvasView::mouseMoved, this, &Form1::Picture1_MouseMove);
    connect(m_picture1View, &CanvasView::mousePressed, this, &Form1::Picture1_MouseDown);
    connect(m_picture1View, &CanvasView::mouseReleased, this, &Form1::Picture1_MouseUp);
    Form_Load();
}

Form1::~Form1() = default;

QRectF Form1::twipGeometry(const QWidget* control) const
{
    const auto it = m_twips.find(control);
    return it == m_twips.end() ? QRectF() : it->second;
}

void Form1::place(QWidget* control, double left, double top, double width, double height)
{
    m_twips[control] = QRectF(left, top, width, height);
    const double k = m_twipsPerPixel;
    control->setGeometry(int(std::lround(left / k)), int(std::lround(top / k)),
                         std::max(1, int(std::lround(width / k))), std::max(1, int(std::lround(height / k))));
    if (control == m_picture1View)
        m_picture1.resize(control->size());
    else if (control == m_picture3View)
        m_picture3.resize(control->size());
}

void Form1::setLeft(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, v, r.top(), r.width(), r.height());
}

void Form1::setTop(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), v, r.width(), r.height());
}

void Form1::setWidth(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), r.top(), v, r.height());
}

void Form1::setHeight(QWidget* c, double v)
{
    const QRectF r = twipGeometry(c);
    place(c, r.left(), r.top(), r.width(), v);
}

void Form1::Picture1_MouseMove(int button, int, float x, float y)
{
    runHandler([&] {
        trackPointer(m_state, m_picture1, currentPage(), button, x, y, m_text1->text(),
                     Combo1->currentText());
    });
}

void Form1::Picture1_MouseDown(int, int, float x, float y)
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
void Form1::Picture1_MouseUp(int, int, float, float)
{
    Surface& page = currentPage();
    runHandler([&] {
        RecordHistory(m_state, historyRings, page);
        m_picture1.setAutoRedraw(true);
        page.setAutoRedraw(true);
        m_picture1.setDrawWidth(m_state.lineWidth);
        commitFigure(m_state, m_picture1, page);
    });
    m_picture1.setAutoRedraw(false);
    page.setAutoRedraw(true);
}

void Form1::Command4_Click(int index)
{
    runHandler([&] {
        Command4.at(m_state.highlightedPage)->setBackColor(kWhite);
        Command4.at(size_t(index))->setBackColor(kBlue);
        m_picture1.setPicture(m_picture2.at(size_t(index)).image());
        m_state.currentPage = std::uint8_t(index);
        m_state.highlightedPage = std::uint8_t(index);
    });
}

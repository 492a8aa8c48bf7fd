#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "app/Artwork.h"
#include "app/Form1.h"
#include "app/PictureButton.h"
#include "canvas/CanvasView.h"

void Form1::Form_Load()
{
    m_state.mirrorVertical = true;
    ArrangeControls();
    applyStartValues(m_state);
    Command3[1]->setBackColor(kGreen);
    for (Surface& page : m_picture2)
        page.setDrawWidth(5);

    for (int i = 0; i <= 17; ++i)
        Combo1->addItem(QString::number(3 + i));
    Combo1->setEditText(Combo1->itemText(2));

    // The axes cross at the canvas's centre, taken to the grid.
    const QRectF canvas = twipGeometry(m_picture1View);
    m_state.mirrorAxisX = snapToGrid(canvas.width() / 2, m_state.gridStep);
    m_state.mirrorAxisY = snapToGrid(canvas.height() / 2, m_state.gridStep);

    CreateHistorySlots();

    for (int v = 12; v <= 48; v += 2)
        Combo2->addItem(QString::number(v));
    m_picture3.setBackColor(kWhite);
    m_picture2[0].setBackColor(kWhite);
    Combo3->addItems(QFontDatabase::families());
    Combo2->setEditText(QStringLiteral("18"));
    // fontconfig lists "Arial" under the name of the font that stands in for
    // it, so the text is set rather than picked from the list.
    Combo3->setEditText(QStringLiteral("Arial"));

    m_picture1.setFontSize(Val(Combo2->currentText()));
    m_picture1.setBackColor(kWhite);
    m_picture1.setFillColor(kWhite);
    m_picture1.setFontName(QStringLiteral("arial"));
    for (Surface& page : m_picture2) {
        page.setFontSize(Val(Combo2->currentText()));
        page.setFontName(QStringLiteral("arial"));
    }
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPointSize(18);
    Label2->setFont(labelFont);
    Command9[0]->setBackColor(kWhite);
    Command9[1]->setBackColor(kWhite);

    // Keystrokes go to the hidden text entry, ready for the text tool.
    m_text1->setFocus();

    Image11 = Artwork::cursorImage();
    m_picture1View->setCursor(QCursor(QPixmap::fromImage(Image11), 8, 8));

    const QSizeF screen = layoutScreen();
    resize(int(std::lround(screen.width() / m_twipsPerPixel)),
           int(std::lround(screen.height() / m_twipsPerPixel)));
    setWindowIcon(Artwork::windowIcon());
}

void Form1::CreateHistorySlots()
{
    for (HistoryRing& ring : historyRings)
        ring = HistoryRing();
}

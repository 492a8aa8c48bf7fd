// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "app/Artwork.h"
#include "app/Captions.h"
#include "app/MainWindow.h"
#include "app/Shortcuts.h"
#include "canvas/CanvasView.h"
#include "options/PaletteStrip.h"
#include "options/PictureButton.h"

// The controls as the window is designed: positions and sizes in twips, the
// pictures, captions and fonts, and which start visible. The layout then moves
// what depends on the screen's size.

namespace {

void describe(QWidget* control, const QString& name, const QString& tip = QString())
{
    control->setAccessibleName(name);
    control->setToolTip(tip.isEmpty() ? name : tip);
}

} // namespace

PictureButton* MainWindow::makeButton(double left, double top, double width, double height)
{
    auto* button = new PictureButton(this);
    place(button, left, top, width, height);
    return button;
}

// An editable combo box of an option bar, hidden until its tool is chosen.
// Its list is fixed: Enter adds nothing to it. The box shows what is typed
// into it as typed, with no completion from the list, since that text is
// what the polygon tool reads.
QComboBox* MainWindow::makeCombo(const QString& text, double width, const QString& name)
{
    auto* combo = new QComboBox(this);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    place(combo, 0, 0, width, 315);
    combo->hide();
    describe(combo, name);
    return combo;
}

void MainWindow::createControls()
{
    m_paletteView = new CanvasView(m_paletteStrip, this);
    place(m_paletteView, 1200, 5040, 10725, 315);
    m_paletteStrip.setAutoRedraw(true);
    m_paletteStrip.setPicture(PaletteStrip::bitmap());

    createButtonBars();

    m_canvasView = new CanvasView(m_canvas, this, m_pacing);
    place(m_canvasView, 2880, 240, 6855, 4695);
    textPreview = new QLabel(m_canvasView);
    place(textPreview, 2280, 2040, 45, 195);
    textPreview->hide();
    // The canvas lies above every other control.
    m_canvasView->raise();
}

QLineEdit* MainWindow::textEntry()
{
    if (!m_textEntry) {
        // The text entry lies under the canvas: it keeps the keyboard focus
        // for the text tool without being seen.
        m_textEntry = new QLineEdit(this);
        place(m_textEntry, 1800, 2880, 6015, 1215);
        m_textEntry->stackUnder(m_canvasView);
        m_textEntry->show();
        m_textEntry->setFocus();
        connect(m_textEntry, &QLineEdit::textChanged, this, &MainWindow::textEdited);
        m_textEntry->installEventFilter(this);
    }
    return m_textEntry;
}

QString MainWindow::enteredText() const
{
    return m_textEntry ? m_textEntry->text() : QString();
}

void MainWindow::createButtonBars()
{
    for (size_t row = 0; row < Captions::mainBarRows.size(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const int index = Captions::mainBarRows[row][size_t(column)];
            PictureButton* b =
                makeButton(column == 0 ? 120 : 600, Captions::mainBarRowTops[row], kBarButton, kBarButton);
            b->setIconPainter(Artwork::mainBar(index), QSizeF(32, 32));
            describe(b, Captions::mainBar(index), Shortcuts::mainBarTip(index));
            m_mainBar[size_t(index)] = b;
        }
    }
    for (int i = 0; i < 8; ++i) {
        PictureButton* b = makeButton(i % 2 == 0 ? 120 : 600, 5040 + 480 * (i / 2), kBarButton, kBarButton);
        b->setIconPainter(Artwork::gridSize(i), QSizeF(32, 32));
        describe(b, tr("Rejilla %1").arg(i + 1),
                 Captions::gridLeft() + QStringLiteral(": ") + Captions::gridRight().toLower());
        gridSizeBar[size_t(i)] = b;
    }
    for (int i = 0; i < 4; ++i) {
        PictureButton* b = makeButton(i % 2 == 0 ? 120 : 600, i < 2 ? 7080 : 7560, kBarButton, kBarButton);
        b->setIconPainter(Artwork::symmetry(i), QSizeF(32, 32));
        describe(b, Captions::symmetry(i));
        symmetryBar[size_t(i)] = b;
    }
    pageButtons[0] = makeButton(1200, 6360, 375, 375);
    pageButtons[0]->setText(QStringLiteral("1"));
    describe(pageButtons[0], tr("Página %1").arg(1));
}

// The width of a text in a font, in whole pixels of this window's resolution
// (which is the screen's), as twips: a caption's design width can be too
// narrow for the fonts a desktop has, and is then widened to this.
double MainWindow::textTwips(const QFont& font, const QString& text) const
{
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(1440.0 / m_twipsPerPixel / 0.0254));
    probe.setDotsPerMeterX(dotsPerMeter);
    probe.setDotsPerMeterY(dotsPerMeter);
    return QFontMetrics(font, &probe).horizontalAdvance(text) * m_twipsPerPixel;
}

// The width a combo box needs to show its widest item whole: the item, the
// two pixels its text field keeps clear at each side, and the frame and
// arrow its style draws around the field.
double MainWindow::comboTwips(const QComboBox* box) const
{
    double widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = std::max(widest, textTwips(box->font(), box->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.rect = QRect(0, 0, 100, box->height());
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return widest + (option.rect.width() - field.width() + 4) * m_twipsPerPixel;
}

// The polygon tool's box starts at five sides.
constexpr int kStartSides = 5;

MainWindow::OptionBars& MainWindow::optionBars()
{
    if (!m_optionBarsMade) {
        m_optionBarsMade = true;
        createOptionBars();
        arrangeOptionBars();
        connectOptionBars();
    }
    return m_optionBars;
}

QString MainWindow::sidesText() const
{
    return m_optionBarsMade ? m_optionBars.sidesBox->currentText() : QString::number(kStartSides);
}

// Each bar is made hidden, with the values it starts with.
void MainWindow::createOptionBars()
{
    OptionBars& b = m_optionBars;
    static const char* const methodNames[3] = {
        QT_TRANSLATE_NOOP("MainWindow", "Polígono desde el centro a un vértice"),
        QT_TRANSLATE_NOOP("MainWindow", "Polígono desde el centro a un lado"),
        QT_TRANSLATE_NOOP("MainWindow", "Polígono sobre un lado")};
    static const char* const curveNames[6] = {
        QT_TRANSLATE_NOOP("MainWindow", "Circunferencia"),
        QT_TRANSLATE_NOOP("MainWindow", "Elipse"),
        QT_TRANSLATE_NOOP("MainWindow", "Cuarto de arco superior"),
        QT_TRANSLATE_NOOP("MainWindow", "Cuarto de arco inferior"),
        QT_TRANSLATE_NOOP("MainWindow", "Semicírculo superior o inferior"),
        QT_TRANSLATE_NOOP("MainWindow", "Semicírculo derecho o izquierdo")};
    static const char* const patternNames[8] = {QT_TRANSLATE_NOOP("MainWindow", "Relleno sólido"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Sin relleno"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama horizontal"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama vertical"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama diagonal ascendente"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama diagonal descendente"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama cruzada"),
                                                QT_TRANSLATE_NOOP("MainWindow", "Trama cruzada diagonal")};
    static const char* const eraserNames[6] = {
        QT_TRANSLATE_NOOP("MainWindow", "Goma muy pequeña"), QT_TRANSLATE_NOOP("MainWindow", "Goma pequeña"),
        QT_TRANSLATE_NOOP("MainWindow", "Goma mediana"),     QT_TRANSLATE_NOOP("MainWindow", "Goma grande"),
        QT_TRANSLATE_NOOP("MainWindow", "Goma muy grande"),  QT_TRANSLATE_NOOP("MainWindow", "Goma enorme")};

    auto bar = [this](auto& buttons, auto icon, auto iconSize, auto name) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            buttons[i] = makeButton(0, 0, 375, 375);
            const double size = iconSize(int(i));
            buttons[i]->setIconPainter(icon(int(i)), QSizeF(size, size));
            describe(buttons[i], name(int(i)));
            buttons[i]->hide();
        }
    };
    bar(
        b.polygonMethodBar, Artwork::polygonMethod, [](int) { return Artwork::polygonMethodSize(); },
        [](int i) { return tr(methodNames[i]); });
    bar(b.curveBar, Artwork::curve, Artwork::curveSize, [](int i) { return tr(curveNames[i]); });
    bar(
        b.widthBar, Artwork::lineWidth, [](int) { return 32; },
        [](int i) { return tr("Grosor %1").arg(i + 1); });
    bar(
        b.fillPatternBar, Artwork::fillPattern, [](int) { return 32; },
        [](int i) { return tr(patternNames[i]); });
    bar(
        b.eraserBar, Artwork::eraserSize, [](int) { return Artwork::eraserSizeIconSize(); },
        [](int i) { return tr(eraserNames[i]); });

    b.sidesLabel = new QLabel(tr("Nº Lados"), this);
    place(b.sidesLabel, 0, 0, std::max(735.0, textTwips(b.sidesLabel->font(), b.sidesLabel->text())), 255);
    b.sidesLabel->hide();
    b.sidesBox = makeCombo(tr("Nº lados"), 615, tr("Número de lados"));
    b.fontSizeBox = makeCombo(QString(), 735, tr("Tamaño de letra"));
    b.fontNameBox = makeCombo(QString(), 1935, tr("Tipo de letra"));

    // Each button shows its style's letter, as word processors show it.
    const QString captions[2] = {tr("N", "bold button's letter"), tr("K", "italic button's letter")};
    const QString names[2] = {tr("Negrita"), tr("Cursiva")};
    for (int i = 0; i < 2; ++i) {
        QFont font(QStringLiteral("Times New Roman"), 12);
        font.setBold(i == 0);
        font.setItalic(i == 1);
        b.fontStyleBar[size_t(i)] = makeButton(0, 0, 375, 375);
        b.fontStyleBar[size_t(i)]->setCaption(captions[i], font);
        describe(b.fontStyleBar[size_t(i)], names[i]);
        b.fontStyleBar[size_t(i)]->hide();
        b.fontStyleBar[size_t(i)]->setBackColor(kWhite);
    }

    for (int i = 0; i <= 17; ++i)
        b.sidesBox->addItem(QString::number(3 + i));
    setWidth(b.sidesBox, std::max(widthOf(b.sidesBox), comboTwips(b.sidesBox)));
    b.sidesBox->setEditText(QString::number(kStartSides));
    for (int v = 12; v <= 48; v += 2)
        b.fontSizeBox->addItem(QString::number(v));
    b.fontSizeBox->setEditText(QString::number(kStartFontSize));
    // fontconfig lists "Arial" under the name of the font that stands in for
    // it, so the text is set rather than picked from the list. The list of
    // the screen's fonts is filled when the text tool first shows the box:
    // reading it takes longer than anything else the bars need.
    b.fontNameBox->setEditText(QStringLiteral("Arial"));
    // The canvas stays above every other control.
    m_canvasView->raise();
}

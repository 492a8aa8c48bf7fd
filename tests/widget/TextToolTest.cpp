// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest/QTest>

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

namespace {

// The smallest rectangle holding every pixel of `image` that is not white.
QRect inkBounds(const QImage& image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) != kWhite)
                r |= QRect(x, y, 1, 1);
    return r;
}

bool allWhite(const QImage& image)
{
    return countPixels(image, kWhite) == image.width() * image.height();
}

class TextToolTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.show();
        window.pageClicked(0); // the start-up picture belongs to the canvas only
        window.mainBarClicked(16);
    }

    // A click on the canvas without moving in between, at twips (x, y).
    void click(double x, double y)
    {
        window.canvasMoved(0, 0, float(x), float(y));
        window.canvasPressed(1, 0, float(x), float(y));
        window.canvasReleased(1, 0, float(x), float(y));
    }

    // A click on an item of the box's open list.
    static void pickFromList(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->showPopup();
        QAbstractItemView* list = box->view();
        const QModelIndex item = list->model()->index(index, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(item).center());
        EXPECT_FALSE(list->isVisible()) << "the list stayed open";
    }

    void pickFontSize(const QString& size) { pickFromList(window.optionBars().fontSizeBox, size); }

    // Whether every surface and the preview have the given size.
    void expectFontSize(double size)
    {
        EXPECT_EQ(window.canvas().fontSize(), size);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(window.page(i).fontSize(), size) << "page " << i;
        EXPECT_EQ(window.textPreview->font().pointSizeF(), size);
    }

    QLabel* label() { return window.textPreview; }
    QImage page() { return window.page(0).persistentImage(); }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(TextToolTest, Picking48SetsSize48OnTheCanvasEveryPageAndThePreview)
{
    label()->setText(QStringLiteral("Escribe"));
    label()->adjustSize();
    const int smallHeight = label()->height();
    pickFontSize(QStringLiteral("48"));
    expectFontSize(48);
    EXPECT_GT(label()->height(), smallHeight * 2) << "the preview was not fitted to its larger caption";
    EXPECT_EQ(label()->size(), label()->sizeHint());
}

TEST_F(TextToolTest, TypingIntoTheBoxesRunsNothingAndAddsNothingToTheLists)
{
    MainWindow::OptionBars& bars = window.optionBars();
    bars.sidesBox->show(); // beside the text bar, so that it takes the focus as the others do
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)); // so that leaving a box takes its focus
    ASSERT_GT(bars.fontNameBox->count(), 1);
    const QString listedFont = bars.fontNameBox->itemText(bars.fontNameBox->count() - 1);
    const QString listedSize = QStringLiteral("40");
    ASSERT_GE(bars.fontSizeBox->findText(listedSize), 0);
    const struct
    {
        QComboBox* box;
        QString typed;
    } cases[] = {
        {bars.fontSizeBox, listedSize},       {bars.fontSizeBox, QStringLiteral("41")},
        {bars.fontNameBox, listedFont},       {bars.fontNameBox, QStringLiteral("Fuente Inexistente")},
        {bars.sidesBox, QStringLiteral("7")}, {bars.sidesBox, QStringLiteral("4.5")}};
    for (const auto& c : cases) {
        const int count = c.box->count();
        QLineEdit* text = c.box->lineEdit();
        QTest::mouseClick(text, Qt::LeftButton);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, c.typed);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClick(text, Qt::Key_Enter);
        window.textEntry()->setFocus(); // leaving the box
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(c.box->currentText(), c.typed) << "the box shows what was typed";
        EXPECT_EQ(c.box->count(), count) << "Enter added to the list";
        expectFontSize(18);
        EXPECT_EQ(window.canvas().fontName(), QStringLiteral("arial"));
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(window.page(i).fontName(), QStringLiteral("arial")) << "page " << i;
        EXPECT_EQ(label()->font().family(), QStringLiteral("Arial"));
    }

    // A pick from the list still runs the handlers.
    pickFromList(bars.fontNameBox, listedFont);
    EXPECT_EQ(window.canvas().fontName(), listedFont);
    EXPECT_EQ(window.page(9).fontName(), listedFont);
    EXPECT_EQ(label()->font().family(), listedFont);
    pickFontSize(listedSize);
    expectFontSize(40);
}

TEST_F(TextToolTest, ASizeReading7OrLessOr73OrMoreChangesNothing)
{
    for (const char* text : {"7", "73", "0", "-20", "100", "abc", "7.0"}) {
        window.optionBars().fontSizeBox->setEditText(QString::fromLatin1(text));
        window.fontSizeChosen();
        expectFontSize(18);
    }
    window.optionBars().fontSizeBox->setEditText(QStringLiteral("8"));
    window.fontSizeChosen();
    expectFontSize(8);
    window.optionBars().fontSizeBox->setEditText(QStringLiteral("72 puntos"));
    window.fontSizeChosen();
    expectFontSize(72);
}

TEST_F(TextToolTest, AFontNameIsPassedOnUnchecked)
{
    window.optionBars().fontNameBox->setEditText(QStringLiteral("Fuente Inexistente"));
    window.fontNameChosen();
    EXPECT_EQ(window.canvas().fontName(), QStringLiteral("Fuente Inexistente"));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window.page(i).fontName(), QStringLiteral("Fuente Inexistente")) << "page " << i;
    EXPECT_EQ(label()->font().family(), QStringLiteral("Fuente Inexistente"));
}

TEST_F(TextToolTest, KTwiceLeavesItalicOffAndBoldUntouched)
{
    PictureButton* bold = window.optionBars().fontStyleBar[0];
    PictureButton* italic = window.optionBars().fontStyleBar[1];
    italic->click();
    EXPECT_EQ(italic->backColor(), kBlue);
    EXPECT_TRUE(window.canvas().fontItalic());
    EXPECT_TRUE(window.page(9).fontItalic());
    EXPECT_TRUE(label()->font().italic());

    italic->click();
    EXPECT_EQ(italic->backColor(), kWhite);
    EXPECT_EQ(bold->backColor(), kWhite);
    EXPECT_FALSE(window.canvas().fontItalic());
    EXPECT_FALSE(label()->font().italic());
    EXPECT_FALSE(window.canvas().fontBold());
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(window.page(i).fontItalic()) << "page " << i;
        EXPECT_FALSE(window.page(i).fontBold()) << "page " << i;
    }
    EXPECT_FALSE(label()->font().bold());
}

TEST_F(TextToolTest, NWhileItalicIsOnGivesBoldItalic)
{
    window.optionBars().fontStyleBar[1]->click();
    window.optionBars().fontStyleBar[0]->click();
    EXPECT_EQ(window.optionBars().fontStyleBar[0]->backColor(), kBlue);
    EXPECT_TRUE(window.page(4).fontBold());
    EXPECT_TRUE(window.page(4).fontItalic());
    EXPECT_TRUE(label()->font().bold());
    EXPECT_TRUE(label()->font().italic());
}

TEST_F(TextToolTest, AFirstClickOnlyShowsThePromptBesideThePressPoint)
{
    window.state().gridStep = 150;
    click(3010, 4520); // snapped to (3000, 4500)
    EXPECT_EQ(label()->text(), QStringLiteral("Escribe"));
    // 475 twips right of the press point and 150 above it, in pixels.
    EXPECT_EQ(label()->pos(), QPoint(232, 290));
    EXPECT_EQ(label()->size(), label()->sizeHint());
    EXPECT_TRUE(allWhite(page()));
    EXPECT_TRUE(allWhite(window.canvas().persistentImage()));
    EXPECT_FALSE(window.state().textTyped);
}

TEST_F(TextToolTest, TypingAbcThenClickingWritesItAtTheSecondClicksSnappedPoint)
{
    window.state().gridStep = 150;
    click(3010, 4520);
    QTest::keyClicks(window.textEntry(), QStringLiteral("abc"));
    EXPECT_EQ(label()->text(), QStringLiteral("abc"));
    EXPECT_TRUE(window.state().textTyped);

    click(12040, 9070); // snapped to (12000, 9000): pixel (800, 600)
    const QRect ink = inkBounds(page());
    ASSERT_FALSE(ink.isEmpty()) << "nothing was written on the page";
    // The letters start at the point, a glyph's bearing at most to its right
    // and below it, and stay within one line of text.
    EXPECT_GE(ink.left(), 800);
    EXPECT_LE(ink.left(), 804);
    EXPECT_GE(ink.top(), 600);
    EXPECT_LE(ink.bottom(), 600 + 40);
    EXPECT_LE(ink.right(), 800 + 60);
    EXPECT_GT(ink.width(), 20) << "three letters of 18 points are wider than this";
    EXPECT_EQ(firstDifference(window.canvas().persistentImage(), page()), QPoint(-1, -1));

    EXPECT_TRUE(window.textEntry()->text().isEmpty());
    EXPECT_TRUE(label()->text().isEmpty());
    EXPECT_FALSE(window.state().textTyped);
}

TEST_F(TextToolTest, EachTypedCharacterWipesThePreviewOfTheLastMove)
{
    QRect reported;
    window.canvas().setChangeListener([&](const QRegion& r) { reported |= r.boundingRect(); });
    for (const QString& letter : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
        reported = QRect();
        window.canvasMoved(0, 0, 300 * 15, 300 * 15);
        const QRect shown = reported;
        ASSERT_NE(firstDifference(window.canvas().screen(), window.canvas().persistentImage()),
                  QPoint(-1, -1));

        reported = QRect();
        QTest::keyClicks(window.textEntry(), letter);
        EXPECT_EQ(firstDifference(window.canvas().screen(), window.canvas().persistentImage()),
                  QPoint(-1, -1))
            << "the preview stayed after typing " << letter.toStdString();
        // Only what the move drew is restored (to the surface's small blocks),
        // not the whole canvas.
        EXPECT_FALSE(reported.isEmpty());
        EXPECT_TRUE(shown.adjusted(-16, -16, 16, 16).contains(reported));
    }
    EXPECT_EQ(label()->text(), QStringLiteral("abc"));
    EXPECT_TRUE(allWhite(window.canvas().persistentImage()));
}

TEST_F(TextToolTest, TextTypedBeforeChoosingTheToolAgainIsWrittenAsNothing)
{
    click(3000, 4500);
    QTest::keyClicks(window.textEntry(), QStringLiteral("abc"));
    window.mainBarClicked(2);
    window.mainBarClicked(16);
    EXPECT_TRUE(window.state().textTyped) << "emptying the entry counts as a change";

    click(6000, 6000);
    EXPECT_TRUE(allWhite(page()));
    EXPECT_TRUE(label()->text().isEmpty()) << "the prompt is replaced by the empty text";
    EXPECT_FALSE(window.state().textTyped);

    QTest::keyClicks(window.textEntry(), QStringLiteral("de"));
    EXPECT_EQ(label()->text(), QStringLiteral("de"));
    click(6000, 6000);
    EXPECT_FALSE(allWhite(page()));
}

TEST_F(TextToolTest, TheTextEntryKeepsTheKeyboardWhileTheCanvasIsClicked)
{
    // A pick from the size box would take the keyboard; the click gives it back.
    window.optionBars().fontSizeBox->setFocus();
    ASSERT_EQ(window.focusWidget(), window.optionBars().fontSizeBox);
    const QPoint at(400, 300);
    QTest::mouseMove(window.canvasView(), at);
    QTest::mouseClick(window.canvasView(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(window.focusWidget(), window.textEntry());
    EXPECT_EQ(label()->text(), QStringLiteral("Escribe"));
    window.optionBars().fontStyleBar[0]->click();
    window.mainBarButton(16)->click();
    EXPECT_EQ(window.focusWidget(), window.textEntry());
}

TEST_F(TextToolTest, ThePreviewFitsItsCaption)
{
    QTest::keyClicks(window.textEntry(), QStringLiteral("a"));
    const int narrow = label()->width();
    QTest::keyClicks(window.textEntry(), QStringLiteral("bcdefghijk"));
    EXPECT_GT(label()->width(), narrow * 4);
    EXPECT_EQ(label()->size(), label()->sizeHint());
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <stdexcept>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QtTest/QTest>

#include "app/Artwork.h"
#include "app/Captions.h"
#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "app/StartupArtWorker.h"
#include "app/Translations.h"
#include "canvas/CanvasView.h"
#include "options/PaletteStrip.h"
#include "options/PictureButton.h"
#include "support/SurfaceCompare.h"

namespace {

class MainWindowTest : public ::testing::Test
{
  protected:
    QRectF at(const QWidget* w) { return window.twipGeometry(w); }

    MainWindow window{QSizeF(15360, 11520), 15.0};
};

} // namespace

TEST_F(MainWindowTest, LayoutFitsTheCanvasAndBarsToTheScreen)
{
    EXPECT_EQ(at(window.canvasView()), QRectF(1170, 455, 14115, 10610));
    EXPECT_EQ(at(window.paletteView()), QRectF(1200, 120, 10725, 315));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(at(window.pageButtons[size_t(i)]), QRectF(1170 + 375 * i, 11085, 375, 375)) << i;
        EXPECT_EQ(window.pageGeometry(i), at(window.canvasView())) << "page buffer " << i;
        EXPECT_EQ(window.page(i).sizePx(), window.canvas().sizePx());
    }
    const double x0 = 5545;
    EXPECT_EQ(at(window.optionBars().polygonMethodBar[0]).left(), x0);
    EXPECT_EQ(at(window.optionBars().curveBar[0]).left(), x0);
    EXPECT_EQ(at(window.optionBars().widthBar[0]).left(), x0);
    EXPECT_EQ(at(window.optionBars().eraserBar[0]).left(), x0);
    EXPECT_EQ(at(window.optionBars().fontSizeBox).left(), x0);
    EXPECT_EQ(at(window.optionBars().fillPatternBar[0]).left(), 7820);
    // Bars are chained: each button starts where the one before it ends.
    EXPECT_EQ(at(window.optionBars().widthBar[13]).left(), x0 + 13 * 375);
    EXPECT_EQ(at(window.optionBars().fillPatternBar[7]).left(), 7820 + 7 * 375);
    EXPECT_EQ(at(window.optionBars().sidesLabel).left(), x0 + 3 * 375 + 100);
    // The caption is at least its design width, and wider when its text needs it.
    const double sidesCaption = at(window.optionBars().sidesLabel).width();
    EXPECT_GE(sidesCaption, 735);
    EXPECT_EQ(at(window.optionBars().sidesBox).left(), x0 + 3 * 375 + 100 + sidesCaption + 50);
    EXPECT_EQ(at(window.optionBars().fontNameBox).left(), x0 + 735 + 150);
    EXPECT_EQ(at(window.optionBars().fontStyleBar[0]).left(), x0 + 735 + 150 + 1935 + 100);
    EXPECT_EQ(at(window.optionBars().fontStyleBar[1]).left(), x0 + 735 + 150 + 1935 + 100 + 375 + 25);
    for (QWidget* w : {static_cast<QWidget*>(window.optionBars().polygonMethodBar[2]),
                       static_cast<QWidget*>(window.optionBars().sidesBox),
                       static_cast<QWidget*>(window.optionBars().fillPatternBar[3]),
                       static_cast<QWidget*>(window.optionBars().fontStyleBar[1])})
        EXPECT_EQ(at(w).top(), 11085);
    // The design positions that the layout keeps.
    EXPECT_EQ(at(window.mainBarButton(0)), QRectF(120, 120, 495, 495));
    EXPECT_EQ(at(window.mainBarButton(15)), QRectF(600, 3960, 495, 495));
    EXPECT_EQ(at(window.mainBarButton(5)), QRectF(120, 4560, 495, 495));
    EXPECT_EQ(at(window.gridSizeBar[7]), QRectF(600, 6480, 495, 495));
    EXPECT_EQ(at(window.symmetryBar[2]), QRectF(120, 7560, 495, 495));
    EXPECT_EQ(at(window.textEntry()), QRectF(1800, 2880, 6015, 1215));
}

// The text entry is made right after the window first shows, under the
// canvas and with the keyboard, so keys typed at once reach the text tool.
TEST_F(MainWindowTest, TheTextEntryIsMadeOnceTheWindowHasShownAndTakesTheKeyboard)
{
    EXPECT_EQ(window.findChild<QLineEdit*>(), nullptr) << "made before the window showed";
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QLineEdit* entry = window.findChild<QLineEdit*>();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, window.textEntry());
    EXPECT_EQ(window.focusWidget(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(window.childAt(entry->geometry().center()), window.canvasView());
    // Keys typed into the window reach it.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (char c : std::string("hola"))
        QTest::keyClick(window.windowHandle(), Qt::Key(Qt::Key_A + (c - 'a')), Qt::NoModifier);
    EXPECT_EQ(entry->text(), QStringLiteral("hola"));
}

TEST_F(MainWindowTest, PageButtonsAreCaptionedOneToTenWithOnlyTheFirstBlue)
{
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(window.pageButtons[size_t(i)]->text(), QString::number(i + 1));
        EXPECT_FALSE(window.pageButtons[size_t(i)]->isHidden());
        EXPECT_EQ(window.pageButtons[size_t(i)]->backColor() == kBlue, i == 0) << i;
    }
}

TEST_F(MainWindowTest, StartUpFillsTheListsAndSetsPensAndFonts)
{
    ASSERT_EQ(window.optionBars().sidesBox->count(), 18);
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(window.optionBars().sidesBox->itemText(i), QString::number(3 + i));
    EXPECT_EQ(window.optionBars().sidesBox->currentText(), QStringLiteral("5"));
    ASSERT_EQ(window.optionBars().fontSizeBox->count(), 19);
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(window.optionBars().fontSizeBox->itemText(i), QString::number(12 + 2 * i));
    EXPECT_EQ(window.optionBars().fontSizeBox->currentText(), QStringLiteral("18"));
    EXPECT_EQ(window.optionBars().fontNameBox->currentText(), QStringLiteral("Arial"));

    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(window.page(i).drawWidth(), 5) << i;
        EXPECT_EQ(window.page(i).fontSize(), 18) << i;
        EXPECT_EQ(window.page(i).fontName(), QStringLiteral("arial")) << i;
        EXPECT_TRUE(window.page(i).autoRedraw()) << i;
    }
    EXPECT_EQ(window.canvas().fontSize(), 18);
    EXPECT_EQ(window.canvas().fillColor(), kWhite);
    EXPECT_FALSE(window.canvas().autoRedraw());
    EXPECT_EQ(window.symmetryBar[1]->backColor(), kGreen);
    EXPECT_NE(window.symmetryBar[0]->backColor(), kGreen);
    EXPECT_EQ(window.optionBars().fontStyleBar[0]->backColor(), kWhite);
    EXPECT_EQ(window.optionBars().fontStyleBar[1]->backColor(), kWhite);
    EXPECT_EQ(window.optionBars().fontStyleBar[0]->text(), QStringLiteral("N"));
    EXPECT_TRUE(window.optionBars().fontStyleBar[0]->font().bold());
    EXPECT_TRUE(window.optionBars().fontStyleBar[1]->font().italic());
    EXPECT_EQ(window.optionBars().sidesLabel->text(), QStringLiteral("Nº Lados"));
    EXPECT_EQ(window.state().toolMode, Tool::Freehand);
    EXPECT_EQ(window.cursorPicture.size(), QSize(16, 16));
}

TEST_F(MainWindowTest, OnlyTheCanvasBarsAndPageButtonsShowAtStartUp)
{
    window.show();
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(window.mainBarButton(i)->isVisible()) << i;
    for (auto* b : window.gridSizeBar)
        EXPECT_TRUE(b->isVisible());
    auto hidden = [](const auto& bar) {
        for (auto* b : bar)
            if (b->isVisible())
                return false;
        return true;
    };
    EXPECT_TRUE(hidden(window.optionBars().polygonMethodBar));
    EXPECT_TRUE(hidden(window.optionBars().curveBar));
    EXPECT_TRUE(hidden(window.optionBars().widthBar));
    EXPECT_TRUE(hidden(window.optionBars().fillPatternBar));
    EXPECT_TRUE(hidden(window.optionBars().fontStyleBar));
    EXPECT_TRUE(hidden(window.optionBars().eraserBar));
    EXPECT_FALSE(window.optionBars().sidesBox->isVisible());
    EXPECT_FALSE(window.optionBars().fontSizeBox->isVisible());
    EXPECT_FALSE(window.optionBars().sidesLabel->isVisible());
    EXPECT_FALSE(window.textPreview->isVisible());
    // The canvas lies over the text entry, which still takes the keyboard.
    EXPECT_EQ(window.childAt(window.textEntry()->geometry().center()), window.canvasView());
    EXPECT_EQ(window.focusWidget(), window.textEntry());
}

TEST_F(MainWindowTest, TheOptionBarsAreMadeByTheFirstToolThatShowsOne)
{
    window.show();
    EXPECT_FALSE(window.hasOptionBars());
    window.mainBarClicked(int(MainCommand::SnapOn));
    EXPECT_FALSE(window.hasOptionBars()) << "hiding bars that were never made makes none";

    // A polygon dragged before then has the five sides the box starts with.
    window.state().toolMode = Tool::Polygon;
    window.canvasPressed(1, 0, 3000, 3000);
    window.canvasMoved(1, 0, 4500, 3000);
    EXPECT_EQ(window.state().polygonSides, 5);
    EXPECT_FALSE(window.hasOptionBars());

    window.mainBarClicked(int(MainCommand::Line));
    ASSERT_TRUE(window.hasOptionBars());
    EXPECT_TRUE(window.optionBars().widthBar[0]->isVisible());
    EXPECT_FALSE(window.optionBars().sidesBox->isVisible());
    EXPECT_EQ(window.optionBars().sidesBox->currentText(), QStringLiteral("5"));
    // The bars start 1000 twips after the last page button, and the canvas
    // still lies over the text entry.
    EXPECT_EQ(at(window.optionBars().widthBar[0]).left(), at(window.pageButtons[9]).left() + 1000);
    EXPECT_EQ(at(window.optionBars().widthBar[0]).top(), at(window.pageButtons[0]).top());
    EXPECT_EQ(window.childAt(window.textEntry()->geometry().center()), window.canvasView());
}

TEST_F(MainWindowTest, TheCanvasShowsTheStartUpPictureWhilePageOneIsWhite)
{
    const QImage start = Artwork::startupPicture();
    const QImage canvas = window.canvas().persistentImage();
    EXPECT_EQ(firstDifference(canvas.copy(0, 0, 713, 535), start), QPoint(-1, -1));
    EXPECT_EQ(pixelAt(canvas, 800, 600), kWhite);
    const QImage page = window.page(0).persistentImage();
    EXPECT_EQ(countPixels(page, kWhite), page.width() * page.height());
}

TEST_F(MainWindowTest, MirrorAxesCrossAtTheCanvasCentreToTheWholeTwip)
{
    // 14115 / 2 = 7057.5, which rounds to the even 7058; 10610 / 2 = 5305.
    EXPECT_EQ(window.state().mirrorAxisX, 7058);
    EXPECT_EQ(window.state().mirrorAxisY, 5305);
}

TEST_F(MainWindowTest, ButtonsAtTheLeftEdgeCarryTheirSpanishCaptions)
{
    for (size_t i = 0; i < 20; ++i) {
        // The buttons that have a key name it after the caption.
        EXPECT_TRUE(window.mainBarButton(int(i))->toolTip().startsWith(Captions::mainBar(int(i))));
        EXPECT_EQ(window.mainBarButton(int(i))->accessibleName(), Captions::mainBar(int(i)));
    }
    EXPECT_EQ(window.mainBarButton(13)->accessibleName(), QStringLiteral("Deshacer ( 7 niveles )"));
    EXPECT_EQ(window.symmetryBar[3]->toolTip(), QStringLiteral("Dibuja simetría horizontal+vertical"));
    EXPECT_TRUE(window.gridSizeBar[0]->toolTip().startsWith(QStringLiteral("Diferentes tipos de rejilla")));
    EXPECT_EQ(window.optionBars().fillPatternBar[6]->accessibleName(), QStringLiteral("Trama cruzada"));
    EXPECT_EQ(window.optionBars().widthBar[2]->accessibleName(), QStringLiteral("Grosor 3"));
}

TEST_F(MainWindowTest, APickOnThePaletteGivesTheColourOfThePixelClicked)
{
    const Surface& strip = window.paletteStrip();
    const auto& colours = PaletteStrip::colours();
    auto pick = [&](QPoint p) { return strip.pixel(QPointF(p) * 15.0); };
    for (int i = 0; i < PaletteStrip::kSwatches; ++i)
        EXPECT_EQ(pick(PaletteStrip::swatchCentre(i)), qint64(colours[size_t(i)])) << "swatch " << i;
    EXPECT_EQ(colours[2], 0x0000FFu);  // red, written FF0000 as red-green-blue
    EXPECT_EQ(colours[17], 0x6699CCu); // CC9966
    EXPECT_EQ(colours[43], 0x800080u);
    // The frame: mid grey and black above, light grey and mid grey below.
    const int left = PaletteStrip::swatchLeft(5);
    const int middle = PaletteStrip::swatchCentre(5).x();
    EXPECT_EQ(pick({middle, 2}), 0x808080);
    EXPECT_EQ(pick({middle, 3}), 0x000000);
    EXPECT_EQ(pick({middle, 16}), 0xC0C0C0);
    EXPECT_EQ(pick({middle, 17}), 0x808080);
    EXPECT_EQ(pick({left, 10}), 0x808080);
    EXPECT_EQ(pick({left + 1, 10}), 0x000000);
    // Outside the bitmap but inside the strip: the strip's white background.
    EXPECT_EQ(pick({714, 10}), qint64(kWhite));
    EXPECT_EQ(pick({middle, 20}), qint64(kWhite));
}

TEST(PaletteBitmap, IsSevenHundredThirteenByNineteenAtEightBitsPerPixel)
{
    const QImage bitmap = PaletteStrip::bitmap();
    EXPECT_EQ(bitmap.size(), QSize(713, 19));
    EXPECT_EQ(bitmap.depth(), 8);
    // Swatches are 16 pixels apart within a group.
    EXPECT_EQ(PaletteStrip::swatchLeft(21) - PaletteStrip::swatchLeft(20), 16);
    EXPECT_EQ(PaletteStrip::swatchLeft(43) + 16, 713);
}

TEST(SmallScreen, LaysOutForAMinimumInsteadOfNegativeSizes)
{
    MainWindow tiny(QSizeF(4800, 3600), 15.0); // 320 x 240 pixels
    const QRectF canvas = tiny.twipGeometry(tiny.canvasView());
    EXPECT_GT(canvas.width(), 5000);
    EXPECT_GT(canvas.height(), 3000);
    EXPECT_GE(tiny.twipGeometry(tiny.pageButtons[0]).top(), canvas.bottom());
    EXPECT_GT(tiny.state().mirrorAxisX, 0);
}

// The first icons are drawn on another thread for buttons of the size the
// layout gives them; each must look as the button would draw it itself. At
// 96 dpi they come from the art the build drew; at 120 dpi the start-up
// worker draws them while this thread makes the buttons.
TEST_F(MainWindowTest, TheIconsDrawnAheadAreTheOnesTheButtonsWouldDraw)
{
    MainWindow at120dpi(QSizeF(1280, 800) * 12.0, 12.0);
    for (MainWindow* w : {&window, &at120dpi}) {
        SCOPED_TRACE(w == &window ? "96 dpi" : "120 dpi");
        std::vector<PictureButton*> buttons;
        for (int i = 0; i < 20; ++i)
            buttons.push_back(w->mainBarButton(i));
        buttons.insert(buttons.end(), w->gridSizeBar.begin(), w->gridSizeBar.end());
        buttons.insert(buttons.end(), w->symmetryBar.begin(), w->symmetryBar.end());
        for (PictureButton* b : buttons)
            EXPECT_TRUE(b->holdsIconPicture()) << "drawn ahead for the size the button has";
        w->show();
        for (size_t i = 0; i < buttons.size(); ++i) {
            const QImage ahead = buttons[i]->grab().toImage();
            buttons[i]->setIconPicture(QImage()); // the button draws its icon again
            const QImage own = buttons[i]->grab().toImage();
            ASSERT_EQ(ahead.size(), own.size());
            EXPECT_EQ(firstDifference(ahead, own), QPoint(-1, -1)) << "button " << i;
        }
    }
}

TEST(Artwork, EveryIconDrawsSomething)
{
    auto inked = [](const IconPainter& icon) {
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        icon(p, QRectF(0, 0, 32, 32));
        p.end();
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                n += qAlpha(image.pixel(x, y)) > 0;
        return n;
    };
    for (int i = 0; i < 20; ++i)
        EXPECT_GT(inked(Artwork::mainBar(i)), 20) << "main bar " << i;
    for (int i = 0; i < 8; ++i) {
        EXPECT_GT(inked(Artwork::gridSize(i)), 8) << "grid " << i;
        EXPECT_GT(inked(Artwork::fillPattern(i)), 20) << "pattern " << i;
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(inked(Artwork::symmetry(i)), 20) << "symmetry " << i;
    for (int i = 0; i < 6; ++i) {
        EXPECT_GT(inked(Artwork::curve(i)), 20) << "curve " << i;
        EXPECT_GT(inked(Artwork::eraserSize(i)), 8) << "eraser " << i;
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(inked(Artwork::polygonMethod(i)), 20) << "method " << i;
    // Thicker widths ink more.
    EXPECT_LT(inked(Artwork::lineWidth(0)), inked(Artwork::lineWidth(13)));
    EXPECT_EQ(Artwork::helpPicture().size(), QSize(713, 536));
    EXPECT_EQ(Artwork::startupPicture().size(), QSize(713, 535));
}

namespace {

// The first pixel where two sets of start-up art differ, by picture, or an
// empty string when they are the same.
std::string artDifference(const Artwork::StartupArt& a, const Artwork::StartupArt& b)
{
    auto differ = [](const QImage& x, const QImage& y) {
        return x.size() != y.size() || x.format() != y.format() || firstDifference(x, y) != QPoint(-1, -1);
    };
    auto differAll = [&](const std::vector<QImage>& x, const std::vector<QImage>& y) {
        if (x.size() != y.size())
            return true;
        for (size_t i = 0; i < x.size(); ++i)
            if (differ(x[i], y[i]))
                return true;
        return false;
    };
    if (differ(a.picture.toImage(), b.picture.toImage()))
        return "picture";
    if (differ(a.cursor, b.cursor))
        return "cursor";
    if (differAll(a.windowIcon, b.windowIcon))
        return "window icon";
    if (differAll(a.mainBarIcons, b.mainBarIcons) || differAll(a.gridSizeIcons, b.gridSizeIcons) ||
        differAll(a.symmetryIcons, b.symmetryIcons))
        return "bar icons";
    return {};
}

} // namespace

// The art the build drew and compiled in is what drawing it now gives, so a
// changed drawing can never leave the program showing an old one.
TEST(Artwork, TheBuiltStartupArtIsWhatDrawingItGives)
{
    const QSize button = MainWindow::barButtonPixels(15.0);
    QFile built(QString::fromLatin1(Artwork::kBuiltArtPath));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << "the built art is not compiled in";
    const std::optional<Artwork::StartupArt> read = Artwork::readStartupArt(built.readAll(), button);
    ASSERT_TRUE(read.has_value());
    const Artwork::StartupArt drawn = Artwork::drawStartupArt(button);
    EXPECT_EQ(artDifference(*read, drawn), "");
    EXPECT_EQ(artDifference(Artwork::startupArt(button), drawn), "");
    // Another screen's buttons get art drawn for their size.
    const QSize other = MainWindow::barButtonPixels(10.0);
    const Artwork::StartupArt forOther = Artwork::startupArt(other);
    EXPECT_EQ(forOther.mainBarIcons.at(0).size(), other);
    EXPECT_EQ(artDifference(forOther, Artwork::drawStartupArt(other)), "");
}

// Art for another size, or bytes cut short or spoiled anywhere, are refused
// rather than read as pictures.
TEST(Artwork, StartupArtBytesOfAnotherSizeOrSpoiledAreRefused)
{
    const QSize button(20, 20);
    const Artwork::StartupArt drawn = Artwork::drawStartupArt(button);
    const QByteArray bytes = Artwork::startupArtBytes(drawn, button);
    const std::optional<Artwork::StartupArt> read = Artwork::readStartupArt(bytes, button);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(artDifference(*read, drawn), "");
    EXPECT_FALSE(Artwork::readStartupArt(bytes, QSize(21, 21)).has_value());
    EXPECT_FALSE(Artwork::readStartupArt(QByteArray(), button).has_value());
    EXPECT_FALSE(Artwork::readStartupArt(bytes + "x", button).has_value());
    for (qsizetype cut : {qsizetype(4), qsizetype(13), bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(Artwork::readStartupArt(bytes.left(cut), button).has_value()) << cut;
    // A huge width or count in a header must not make the reader allocate it.
    for (qsizetype at : {qsizetype(12), qsizetype(16), qsizetype(20)}) {
        QByteArray spoiled = bytes;
        const qint32 huge = 0x7fffffff;
        std::memcpy(spoiled.data() + at, &huge, sizeof huge);
        EXPECT_FALSE(Artwork::readStartupArt(spoiled, button).has_value()) << at;
    }
}

// Whatever goes wrong on the start-up worker, the art is drawn on the thread
// that asks for it, and art the worker did draw is used as it came.
TEST(StartupArtWorker, AFailingWorkerLeavesTheArtToTheThreadThatTakesIt)
{
    const QSize button = MainWindow::barButtonPixels(12.0);
    const Artwork::StartupArt drawn = Artwork::drawStartupArt(button);
    Artwork::StartupArt marked = drawn;
    marked.cursor = QImage(16, 16, QImage::Format_ARGB32_Premultiplied);
    marked.cursor.fill(Qt::red);
    Artwork::StartupArt missingIcon = marked;
    missingIcon.symmetryIcons.pop_back();
    struct Case
    {
        const char* name;
        StartupArtWorker::Draw draw;
        bool fallsBack;
    };
    const Case cases[] = {
        {"succeeds", [&](QSize) { return marked; }, false},
        {"throws", [](QSize) -> Artwork::StartupArt { throw std::runtime_error("out of memory"); }, true},
        {"throws no exception class", [](QSize) -> Artwork::StartupArt { throw 7; }, true},
        {"leaves out an icon", [&](QSize) { return missingIcon; }, true},
        {"draws for another size", [](QSize b) { return Artwork::drawStartupArt(b + QSize(1, 1)); }, true},
    };
    for (const Case& c : cases) {
        StartupArtWorker worker(button, c.draw);
        const Artwork::StartupArt art = worker.take();
        EXPECT_EQ(worker.fellBack(), c.fallsBack) << c.name;
        EXPECT_EQ(artDifference(art, c.fallsBack ? drawn : marked), "") << c.name;
    }
}

TEST(Translations, StandardButtonsSpeakSpanish)
{
    ASSERT_TRUE(Translations::install(*QCoreApplication::instance(), QStringLiteral("es")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
}

TEST(MainWindowLifetime, ViewsGoBeforeTheSurfacesTheyShow)
{
    auto* window = new MainWindow(QSizeF(15360, 11520), 15.0);
    bool canvasAliveWhenItsViewWent = false;
    QObject::connect(window->canvasView(), &QObject::destroyed, [&] {
        // Reading the canvas's pixels touches its image: with the surface
        // already destroyed this is a use after free that the sanitizer build
        // reports.
        canvasAliveWhenItsViewWent =
            window->canvas().screen().pixel(0, 0) != 0 && window->canvas().sizePx().width() > 1;
    });
    delete window;
    EXPECT_TRUE(canvasAliveWhenItsViewWent);
}

TEST_F(MainWindowTest, AReleaseWithAPageOutOfRangeIsDroppedByTheHandler)
{
    window.state().currentPage = 12;
    EXPECT_NO_THROW(window.canvasReleased(1, 0, 100, 100));
    EXPECT_FALSE(window.canvas().autoRedraw());
    window.state().currentPage = 0;
    window.canvasReleased(1, 0, 100, 100);
    EXPECT_FALSE(window.canvas().autoRedraw());
    EXPECT_TRUE(window.page(0).autoRedraw());
}

TEST_F(MainWindowTest, TheSelectedPageCaptionIsLightOnItsBlueFace)
{
    // Pixels of the caption: light ones (red and green high) stand out on the
    // blue face, dark ones on the white face.
    auto captionInk = [](PictureButton* button, bool light) {
        const QImage face = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 3; y < face.height() - 3; ++y)
            for (int x = 3; x < face.width() - 3; ++x) {
                const QColor c = face.pixelColor(x, y);
                n += light ? (c.red() > 160 && c.green() > 160) : (c.lightness() < 90);
            }
        return n;
    };
    EXPECT_GT(captionInk(window.pageButtons[0], true), 3);
    EXPECT_GT(captionInk(window.pageButtons[1], false), 3);
    window.pageClicked(3);
    EXPECT_GT(captionInk(window.pageButtons[3], true), 3);
    EXPECT_GT(captionInk(window.pageButtons[0], false), 3);
}

TEST_F(MainWindowTest, TheFontListHoldsEveryScreenFontOnceTheTextToolShowsIt)
{
    // Reading the screen's fonts waits until the box is first shown; then it
    // lists each once, in the system's order, and still shows "Arial".
    window.mainBarClicked(16);
    window.mainBarClicked(16);
    QStringList fonts;
    for (int i = 0; i < window.optionBars().fontNameBox->count(); ++i)
        fonts << window.optionBars().fontNameBox->itemText(i);
    EXPECT_EQ(fonts, QFontDatabase::families());
    EXPECT_EQ(window.optionBars().fontNameBox->currentText(), QStringLiteral("Arial"));
}

// Every caption and list text of the option bars and the page row shows
// whole at 96 and at 120 dpi, in every language: its width in the control's
// font, measured at that resolution, fits the room the control leaves for
// text.
TEST(OptionBarTexts, EveryCaptionFitsItsControlAt96And120Dpi)
{
    // A line edit keeps two pixels clear at each side of its text; a picture
    // button's bevel takes one.
    constexpr int kEditMargins = 4;
    constexpr int kBevel = 2;
    struct SpanishAgain
    {
        ~SpanishAgain() { Translations::uninstall(*QCoreApplication::instance()); }
    } spanishAgain;
    const std::pair<const char*, int> cases[] = {{"es", 96}, {"es", 120}, {"ca", 96}, {"ca", 120},
                                                 {"gl", 96}, {"gl", 120}, {"eu", 96}, {"eu", 120}};
    for (const auto& [language, dpi] : cases) {
        ASSERT_TRUE(Translations::install(*QCoreApplication::instance(), QString::fromLatin1(language)));
        const double twipsPerPixel = 1440.0 / dpi;
        MainWindow window(QSizeF(1920, 1080) * twipsPerPixel, twipsPerPixel);
        window.show();
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(qRound(dpi / 0.0254));
        probe.setDotsPerMeterY(qRound(dpi / 0.0254));
        ASSERT_EQ(probe.logicalDpiX(), dpi);
        MainWindow::OptionBars& bars = window.optionBars();
        QStringList sides, sizes, pages;
        for (int i = 0; i < bars.sidesBox->count(); ++i)
            sides << bars.sidesBox->itemText(i);
        for (int i = 0; i < bars.fontSizeBox->count(); ++i)
            sizes << bars.fontSizeBox->itemText(i);
        for (PictureButton* b : window.pageButtons)
            pages << b->text();
        const struct
        {
            MainCommand tool;
            const char* name;
            QWidget* control;
            QStringList texts;
        } rows[] = {
            {MainCommand::Polygon, "sides caption", bars.sidesLabel, {bars.sidesLabel->text()}},
            {MainCommand::Polygon, "sides box", bars.sidesBox, sides},
            {MainCommand::Text, "size box", bars.fontSizeBox, sizes},
            {MainCommand::Text, "font box", bars.fontNameBox, {QStringLiteral("Arial")}},
            {MainCommand::Text, "bold", bars.fontStyleBar[0], {bars.fontStyleBar[0]->text()}},
            {MainCommand::Text, "italic", bars.fontStyleBar[1], {bars.fontStyleBar[1]->text()}},
            {MainCommand::Text, "page buttons", window.pageButtons[9], pages},
        };
        for (const auto& row : rows) {
            window.mainBarClicked(int(row.tool));
            ASSERT_TRUE(row.control->isVisible()) << row.name;
            int room = row.control->width() - kBevel;
            if (auto* label = qobject_cast<QLabel*>(row.control))
                room = label->contentsRect().width();
            else if (auto* box = qobject_cast<QComboBox*>(row.control))
                room = box->lineEdit()->width() - kEditMargins;
            const QFontMetrics metrics(row.control->font(), &probe);
            for (const QString& text : row.texts)
                EXPECT_LE(metrics.horizontalAdvance(text), room)
                    << language << ": " << row.name << " \"" << text.toStdString() << "\" at " << dpi
                    << " dpi";
        }
    }
}

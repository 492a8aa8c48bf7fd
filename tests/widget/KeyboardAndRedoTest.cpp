// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/MainWindow.h"
#include "canvas/CanvasView.h"
#include "options/PictureButton.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

// The window's keys, pressed where the keyboard is: on the window itself, or
// in the hidden text entry while the text tool is chosen. Redo is driven by
// its keys as well.
namespace {

class KeyboardTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        window.setPlatformServices(&services);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.pageClicked(0); // the start-up picture belongs to the canvas only
        window.state().mirrorVertical = false;
    }

    // A whole gesture through the handlers, in pixels of the canvas.
    void gesture(std::uint8_t tool, QPoint from, QPoint to)
    {
        window.state().toolMode = tool;
        window.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        window.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        const QPoint middle = (from + to) / 2 + QPoint(0, 7);
        window.canvasMoved(1, 0, float(middle.x() * 15), float(middle.y() * 15));
        window.canvasMoved(1, 0, float(to.x() * 15), float(to.y() * 15));
        window.canvasReleased(1, 0, float(to.x() * 15), float(to.y() * 15));
    }

    void press(QKeyCombination keys)
    {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    }

    QImage page() { return window.page(window.state().currentPage).persistentImage(); }
    bool pageIs(const QImage& expected)
    {
        return firstDifference(page(), expected) == QPoint(-1, -1) &&
               firstDifference(window.canvas().persistentImage(), expected) == QPoint(-1, -1);
    }

    ScriptedServices services;
    MainWindow window{QSizeF(15360, 11520), 15.0};
};

struct KeyCase
{
    const char* name;
    std::vector<QKeyCombination> keys;
    std::function<bool()> done;
};

} // namespace

TEST_F(KeyboardTest, EveryKeyWorksOnTheWindowAndInsideTheTextToolAndTypingStillArrives)
{
    gesture(Tool::Line, {50, 50}, {300, 50});
    const QImage oneLine = page();
    gesture(Tool::Line, {50, 100}, {300, 100});
    const QImage twoLines = page();
    const auto onPage = [&](int i) {
        return window.state().currentPage == i && window.pageButtons[size_t(i)]->backColor() == kBlue &&
               window.pageButtons[0]->backColor() == (i == 0 ? kBlue : kWhite);
    };
    const KeyCase cases[] = {
        {"Ctrl+Z undoes", {Qt::CTRL | Qt::Key_Z}, [&] { return pageIs(oneLine); }},
        {"Ctrl+Y redoes", {Qt::CTRL | Qt::Key_Y}, [&] { return pageIs(twoLines); }},
        {"Ctrl+Shift+Z redoes",
         {Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
         [&] { return pageIs(twoLines); }},
        {"Ctrl+S saves", {Qt::CTRL | Qt::Key_S}, [&] { return services.saveDialogs.size() == 1; }},
        {"Ctrl+O opens", {Qt::CTRL | Qt::Key_O}, [&] { return services.openDialogs.size() == 1; }},
        {"Ctrl+P prints", {Qt::CTRL | Qt::Key_P}, [&] { return services.printed.size() == 1; }},
        {"F1 shows the help",
         {QKeyCombination(Qt::Key_F1)},
         [&] { return firstDifference(window.canvas().persistentImage(), page()) != QPoint(-1, -1); }},
        {"Ctrl+Page Down stops at the tenth page",
         std::vector<QKeyCombination>(11, Qt::CTRL | Qt::Key_PageDown), [&] { return onPage(9); }},
        {"Ctrl+Page Up stops at the first page", std::vector<QKeyCombination>(11, Qt::CTRL | Qt::Key_PageUp),
         [&] { return onPage(0) && pageIs(twoLines); }},
    };
    for (const bool inTextTool : {false, true}) {
        services = ScriptedServices();
        if (inTextTool) {
            window.mainBarClicked(16);
            window.textEntry()->setFocus();
        } else {
            window.setFocus();
        }
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (inTextTool ? " in the text tool" : " on the window"));
            for (QKeyCombination keys : c.keys)
                press(keys);
            EXPECT_TRUE(c.done());
        }
        EXPECT_TRUE(window.textEntry()->text().isEmpty()) << "a key reached the text entry";
    }
    ASSERT_EQ(window.focusWidget(), window.textEntry());
    const QString typed = QStringLiteral("Zoe y Pepe: sopa, OSO! 1+1");
    QTest::keyClicks(window.textEntry(), typed);
    EXPECT_EQ(window.textEntry()->text(), typed);
    EXPECT_EQ(window.textPreview->text(), typed);
}

TEST_F(KeyboardTest, CtrlVPastesAndCtrlCCopiesWhileTheTextToolHoldsTheKeyboard)
{
    gesture(Tool::Line, {50, 300}, {300, 300});
    window.mainBarClicked(16);
    window.textEntry()->setFocus();
    QImage pasted(120, 80, QImage::Format_RGB32);
    pasted.fill(qRgb(255, 128, 0));
    QGuiApplication::clipboard()->setImage(pasted);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(countPixels(page().copy(0, 0, 120, 80), Colour(0x0080FF)), 120 * 80) << "Ctrl+V did not paste";
    QGuiApplication::clipboard()->clear();
    press(Qt::CTRL | Qt::Key_C);
    EXPECT_EQ(
        firstDifference(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), page()),
        QPoint(-1, -1))
        << "Ctrl+C did not copy the page";
    EXPECT_TRUE(window.textEntry()->text().isEmpty()) << "a key reached the text entry";
}

TEST_F(KeyboardTest, TheButtonsWithAKeyNameItInTheirTooltip)
{
    const std::pair<int, const char*> tips[] = {{0, "Recuperar un dibujo (Ctrl+O)"},
                                                {1, "Guarda el dibujo (Ctrl+S)"},
                                                {9, "Imprime el dibujo (Ctrl+P)"},
                                                {13, "Deshacer ( 7 niveles ) (Ctrl+Z)"},
                                                {19, "Ayuda (F1)"},
                                                {2, "Dibuja una línea recta"}};
    for (const auto& [index, tip] : tips)
        EXPECT_EQ(window.mainBarButton(index)->toolTip(), QString::fromUtf8(tip));
}

// After some undo steps, redo gives back the page before each in turn, and
// one more does nothing. A freehand stroke is on the page before the release
// records it, so its first undo step shows no change, and neither does the
// redo step that takes that one back.
TEST_F(KeyboardTest, RedoGivesBackThePageBeforeEachUndoStep)
{
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> tools;
    };
    const Case cases[] = {{"line, rectangle, polygon", {Tool::Line, Tool::Rectangle, Tool::Polygon}},
                          {"line and two freehand strokes", {Tool::Line, Tool::Freehand, Tool::Freehand}}};
    int p = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.pageClicked(++p);
        for (size_t i = 0; i < c.tools.size(); ++i)
            gesture(c.tools[i], QPoint(100 + 40 * int(i), 100 + 60 * int(i)), QPoint(200, 350 - 50 * int(i)));
        std::vector<QImage> before;
        for (size_t i = 1; i < c.tools.size(); ++i) {
            before.push_back(page());
            press(Qt::CTRL | Qt::Key_Z);
        }
        EXPECT_FALSE(pageIs(before.front())) << "the undo steps changed nothing";
        for (size_t i = before.size(); i-- > 0;) {
            press(Qt::CTRL | Qt::Key_Y);
            EXPECT_TRUE(pageIs(before[i])) << "redo " << before.size() - i;
        }
        press(Qt::CTRL | Qt::Key_Y);
        EXPECT_TRUE(pageIs(before.front())) << "a redo with none left changed the page";
    }
}

TEST_F(KeyboardTest, AFigureAClearOrAnOpenAfterAnUndoEndsRedo)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("cuadro.bmp"));
    QImage square(40, 30, QImage::Format_RGB32);
    square.fill(Qt::red);
    ASSERT_TRUE(square.save(picture));
    services.openAnswer = picture;
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"a figure",
         [&] {
             gesture(Tool::Rectangle, {300, 300}, {400, 380});
         }},
        {"a clear", [&] { window.mainBarClicked(14); }},
        {"an open", [&] { window.mainBarClicked(0); }},
    };
    int p = 0;
    for (const auto& [name, end] : endings) {
        SCOPED_TRACE(name);
        window.pageClicked(++p);
        gesture(Tool::Line, {50, 50}, {300, 50});
        gesture(Tool::Line, {50, 100}, {300, 100});
        press(Qt::CTRL | Qt::Key_Z);
        end();
        const QImage after = page();
        press(Qt::CTRL | Qt::Key_Y);
        EXPECT_TRUE(pageIs(after));
    }
}

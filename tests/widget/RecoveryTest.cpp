// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "files/TileFile.h"
#include "options/PictureButton.h"
#include "recovery/DrawingKeeper.h"
#include "recovery/KeptDrawing.h"
#include "support/ScriptedServices.h"
#include "support/SurfaceCompare.h"

// The window and the keeper together: which changes reach the disk, what a
// start after a crash offers and brings back, and what a normal exit leaves.
namespace {

const QString kQuestion = QStringLiteral("Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?");

// Platform services that can look around when the question is asked.
class AskingServices : public ScriptedServices
{
  public:
    std::function<void()> whenAsked;
    bool askYesNo(const QString& text) override
    {
        if (whenAsked && text == kQuestion)
            whenAsked();
        return ScriptedServices::askYesNo(text);
    }
};

class RecoveryTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(state.isValid());
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    }

    // A program started on the test's state folder.
    std::unique_ptr<MainWindow> start()
    {
        auto window = std::make_unique<MainWindow>(QSizeF(15360, 11520), 15.0);
        window->setPlatformServices(&services);
        window->show();
        window->state().mirrorVertical = false;
        return window;
    }

    static void line(MainWindow& w, QPoint from, QPoint to)
    {
        w.state().toolMode = Tool::Line;
        w.canvasMoved(0, 0, float(from.x() * 15), float(from.y() * 15));
        w.canvasPressed(1, 0, float(from.x() * 15), float(from.y() * 15));
        w.canvasMoved(1, 0, float(to.x() * 15), float(to.y() * 15));
        w.canvasReleased(1, 0, float(to.x() * 15), float(to.y() * 15));
    }

    static std::array<int, kPageCount> writes(MainWindow& w)
    {
        std::array<int, kPageCount> n{};
        for (int i = 0; i < kPageCount; ++i)
            n[size_t(i)] = w.keeper().writes(i);
        return n;
    }

    // The page as its kept file holds it.
    static QImage keptPage(MainWindow& w, int page)
    {
        QFile file(pageFile(w.keeper().folder(), page));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const std::optional<Picture> picture = decodeTiles(file.readAll());
        return picture ? picture->toImage() : QImage();
    }

    QStringList keptFolders() const
    {
        return QDir(state.filePath(QStringLiteral("lienzo"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir state;
    QTemporaryDir files;
    AskingServices services;
};

} // namespace

TEST_F(RecoveryTest, AReleaseAnUndoAClearAnOpenAndARedoEachKeepJustThatPage)
{
    QImage photo(200, 150, QImage::Format_RGB32);
    photo.fill(qRgb(200, 30, 30));
    services.openAnswer = files.filePath(QStringLiteral("foto.bmp"));
    ASSERT_TRUE(photo.save(*services.openAnswer, "BMP"));

    struct Change
    {
        const char* name;
        std::function<void(MainWindow&)> make;
        int keepings = 1;
    };
    const Change changes[] = {
        {"release",
         [](MainWindow& w) {
             line(w, {40, 40}, {300, 200});
         }},
        {"undo", [](MainWindow& w) { w.mainBarClicked(int(MainCommand::Undo)); }},
        {"clear", [](MainWindow& w) { w.mainBarClicked(int(MainCommand::Clear)); }},
        {"open", [](MainWindow& w) { w.mainBarClicked(int(MainCommand::Open)); }},
        {"undo then redo",
         [](MainWindow& w) {
             w.mainBarClicked(int(MainCommand::Undo));
             w.keeper().flush();
             w.redoRequested();
         },
         2},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        auto window = start();
        window->pageClicked(3);
        line(*window, {100, 300}, {500, 320}); // something to take back or clear
        window->keeper().flush();
        std::array<int, kPageCount> expected = writes(*window);
        ASSERT_EQ(expected[3], 1);

        change.make(*window);
        window->keeper().flush();
        expected[3] += change.keepings;
        EXPECT_EQ(writes(*window), expected);
        EXPECT_EQ(firstDifference(keptPage(*window, 3), window->page(3).persistentImage()), QPoint(-1, -1));
    }
}

TEST_F(RecoveryTest, SiBringsEveryPageBackADamagedOneBlankOnTheShowingPage)
{
    QImage drawn[kPageCount];
    {
        auto crashed = start();
        for (int page : {0, 4, 7}) {
            crashed->pageClicked(page);
            line(*crashed, {50 + 30 * page, 60}, {400, 90 + 20 * page});
            drawn[page] = crashed->page(page).persistentImage();
        }
        crashed->pageClicked(4);
        crashed->keeper().flush();
        QFile damaged(pageFile(crashed->keeper().folder(), 7));
        ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
        damaged.resize(damaged.size() - 9);
    } // gone without its exit

    services.yesNoAnswer = true;
    auto window = start();
    window->offerRecovery();
    EXPECT_EQ(services.questions, QStringList{kQuestion});
    EXPECT_EQ(firstDifference(window->page(0).persistentImage(), drawn[0]), QPoint(-1, -1));
    EXPECT_EQ(firstDifference(window->page(4).persistentImage(), drawn[4]), QPoint(-1, -1));
    for (int page : {1, 7}) {
        const QImage blank = window->page(page).persistentImage();
        EXPECT_EQ(countPixels(blank, kWhite), blank.width() * blank.height()) << "page " << page;
    }
    EXPECT_EQ(window->state().currentPage, 4);
    EXPECT_EQ(window->pageButtons[4]->backColor(), kBlue);
    EXPECT_EQ(window->pageButtons[0]->backColor(), kWhite);
    EXPECT_EQ(firstDifference(window->canvas().persistentImage(), drawn[4]), QPoint(-1, -1));
    for (int page = 0; page < kPageCount; ++page)
        for (const Picture& slot : window->historyRing(page).slot)
            EXPECT_TRUE(slot.isNull());

    // The damaged page is no longer listed, even before anything changes, so
    // it is not offered again; the drawing goes on being kept, and is this
    // program's now.
    window->keeper().flush();
    QFile index(indexFile(window->keeper().folder()));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    EXPECT_EQ(parseIndex(index.readAll()).value_or(KeptIndex{}).pages, (std::vector<int>{0, 4}));
    line(*window, {600, 500}, {700, 600});
    window->keeper().flush();
    EXPECT_EQ(firstDifference(keptPage(*window, 4), window->page(4).persistentImage()), QPoint(-1, -1));
    EXPECT_EQ(keptFolders().size(), 1);
    window->offerRecovery();
    EXPECT_EQ(services.questions.size(), 1) << "the program offered its own drawing";
}

// Two programs killed: the newer is offered first; whatever the answer, the
// older stays on disk and is offered, alone, at the next start.
TEST_F(RecoveryTest, OfTwoTheNewestIsOfferedAndTheOtherWaitsForTheNextStart)
{
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer ? "Sí" : "No");
        // The older program drew on page 1, the newer on page 3.
        for (int program = 0; program < 2; ++program) {
            auto crashed = start();
            crashed->pageClicked(program * 2);
            line(*crashed, {40, 40}, {300, 200});
            crashed->keeper().flush();
            QFile index(indexFile(crashed->keeper().folder()));
            ASSERT_TRUE(index.open(QIODevice::ReadWrite));
            index.setFileTime(QDateTime::currentDateTime().addSecs(program * 60),
                              QFileDevice::FileModificationTime);
        }
        ASSERT_EQ(keptFolders().size(), 2);
        const std::array<int, 2> drawnPages = {2, 0}; // the newer first
        for (const int drawn : drawnPages) {
            services.questions.clear();
            services.yesNoAnswer = answer;
            auto window = start();
            window->offerRecovery();
            EXPECT_EQ(services.questions, QStringList{kQuestion});
            EXPECT_EQ(window->page(drawn).persistentImage() != window->page(2 - drawn).persistentImage(),
                      answer)
                << "Sí did not bring back the offered drawing";
            services.yesNoAnswer = true;
            window->mainBarClicked(int(MainCommand::Exit));
        }
        EXPECT_TRUE(keptFolders().isEmpty());
        services.questions.clear();
        start()->offerRecovery();
        EXPECT_TRUE(services.questions.isEmpty());
    }
}

TEST_F(RecoveryTest, ANormalExitRemovesTheKeptDrawingAndTheNextStartAsksNothing)
{
    struct Exit
    {
        const char* name;
        std::function<void(MainWindow&)> leave;
    };
    const Exit exits[] = {
        {"exit button", [](MainWindow& w) { w.mainBarClicked(int(MainCommand::Exit)); }},
        {"window close", [](MainWindow& w) { w.close(); }},
    };
    services.yesNoAnswer = true;
    for (const Exit& exit : exits) {
        SCOPED_TRACE(exit.name);
        {
            auto window = start();
            line(*window, {40, 40}, {300, 200});
            window->keeper().flush();
            ASSERT_EQ(keptFolders().size(), 1);
            exit.leave(*window);
            EXPECT_TRUE(keptFolders().isEmpty());
        }
        services.questions.clear();
        start()->offerRecovery();
        EXPECT_TRUE(services.questions.isEmpty());
    }
}

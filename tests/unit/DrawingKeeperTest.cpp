// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "files/AtomicFile.h"
#include "files/TileFile.h"
#include "recovery/DrawingKeeper.h"
#include "recovery/KeptDrawing.h"

// The keeper on its own: what it writes reads back pixel for pixel, what a
// crash or a damaged disk leaves behind, and a state folder that takes
// nothing.
namespace {

// Not a whole number of tiles, so that the edge tiles are partial.
const QSize kPageSize(301, 203);

// A page with figures of its own for each seed, and speckles that no run of
// one colour covers.
QImage pageImage(int seed)
{
    QImage image(kPageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(QColor::fromHsv(seed * 36 % 360, 255, 200), 1 + seed));
    p.drawEllipse(QPoint(40 + seed * 20, 100), 30 + seed * 5, 60);
    p.fillRect(QRect(200, 10 + seed * 9, 90, 40), QColor::fromHsv(seed * 50 % 360, 200, 255));
    p.end();
    QRandomGenerator random(quint32(seed) + 1);
    for (int i = 0; i < 500; ++i)
        image.setPixel(int(random.bounded(kPageSize.width())), int(random.bounded(kPageSize.height())),
                       random.generate() | 0xFF000000);
    return image;
}

Picture picture(int seed)
{
    return Picture::fromImage(pageImage(seed));
}

class KeeperTest : public ::testing::Test
{
  protected:
    QString root() const { return dir.filePath(QStringLiteral("lienzo")); }
    KeptIndex indexOf(const QString& folder)
    {
        QFile file(indexFile(folder));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return parseIndex(file.readAll()).value_or(KeptIndex{-1, {}});
    }
    // A drawing kept by a program that has gone: its folder with no lock held.
    QString leftBehind(std::initializer_list<int> pages, int showing)
    {
        DrawingKeeper keeper(root());
        for (int page : pages)
            keeper.keep(page, picture(page));
        keeper.setShowingPage(showing);
        keeper.flush();
        return keeper.folder();
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(KeeperTest, TenPagesComeBackPixelForPixelWithTheShowingPage)
{
    DrawingKeeper keeper(root());
    for (int page = 0; page < kPageCount; ++page)
        keeper.keep(page, picture(page));
    keeper.setShowingPage(7);
    keeper.flush();

    ASSERT_FALSE(keeper.stopped());
    const KeptIndex index = indexOf(keeper.folder());
    EXPECT_EQ(index.showingPage, 7);
    EXPECT_EQ(index.pages, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const std::array<Picture, kPageCount> back = readKeptPages(keeper.folder(), index);
    for (int page = 0; page < kPageCount; ++page) {
        ASSERT_FALSE(back[size_t(page)].isNull()) << "page " << page;
        EXPECT_EQ(back[size_t(page)].toImage(), pageImage(page)) << "page " << page;
    }
}

TEST_F(KeeperTest, OnlyAPageWhoseTilesChangedIsWrittenAgain)
{
    DrawingKeeper keeper(root());
    const Picture first = picture(1);
    keeper.keep(1, first);
    keeper.keep(2, picture(2));
    keeper.flush();
    keeper.keep(1, first);
    keeper.keep(2, picture(3));
    keeper.keep(3, Picture::filled(kPageSize, 0xFFFFFFFF)); // a blank page holds nothing to keep
    keeper.flush();
    EXPECT_EQ(keeper.writes(1), 1);
    EXPECT_EQ(keeper.writes(2), 2);
    EXPECT_EQ(keeper.writes(3), 0);
}

TEST_F(KeeperTest, ChangesWithoutAPauseAreKeptAllTheSame)
{
    DrawingKeeper keeper(root());
    keeper.setDelays(100, 300);
    // A change every 50 ms for up to three seconds, never the pause the
    // delay waits for.
    for (int i = 0; i < 60 && keeper.writes(0) == 0; ++i) {
        keeper.keep(0, picture(i));
        QTest::qWait(50);
    }
    EXPECT_GT(keeper.writes(0), 0);
}

TEST_F(KeeperTest, AWriteCutShortBeforeItsRenameLeavesTheLastGoodVersion)
{
    DrawingKeeper keeper(root());
    keeper.keep(4, picture(4));
    keeper.flush();
    const QString file = pageFile(keeper.folder(), 4);
    // The power went while the next version was half written.
    QFile cut(atomicTemporaryName(file));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(encodeTiles(picture(5)).left(300));
    cut.close();

    const std::array<Picture, kPageCount> back = readKeptPages(keeper.folder(), indexOf(keeper.folder()));
    EXPECT_EQ(back[4].toImage(), pageImage(4));
}

TEST_F(KeeperTest, ADamagedOrMissingPageFileGivesABlankPageAndTheOthersComeBack)
{
    struct Damage
    {
        const char* name;
        std::function<void(QFile&)> apply;
    };
    const Damage damages[] = {
        {"one byte changed",
         [](QFile& f) {
             f.open(QIODevice::ReadWrite);
             f.seek(f.size() / 2);
             char c = 0;
             f.getChar(&c);
             f.seek(f.size() / 2);
             f.putChar(char(c ^ 0x5A));
         }},
        {"cut in half", [](QFile& f) { f.resize(f.size() / 2); }},
        {"empty", [](QFile& f) { f.resize(0); }},
        {"missing", [](QFile& f) { f.remove(); }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        const QString folder = leftBehind({2, 6}, 2);
        QFile file(pageFile(folder, 6));
        damage.apply(file);
        file.close();
        const std::array<Picture, kPageCount> back = readKeptPages(folder, indexOf(folder));
        EXPECT_EQ(back[2].toImage(), pageImage(2));
        EXPECT_TRUE(back[6].isNull());
        QDir(folder).removeRecursively();
    }
}

TEST_F(KeeperTest, WithoutAReadableIndexThePagesWhoseFilesAreThereAreOffered)
{
    for (const QByteArray& index : {QByteArray(), QByteArray("lienzo-kept-drawing 1\nshowing 12\npages 3\n"),
                                    QByteArray("lienzo-kept-drawing 9\nshowing 1\npages 3 8\n")}) {
        SCOPED_TRACE(index.toStdString());
        const QString folder = leftBehind({3, 8}, 8);
        QFile file(indexFile(folder));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(index);
        file.close();
        StaleDrawings stale = findStaleDrawings(root());
        ASSERT_TRUE(stale.offer);
        EXPECT_EQ(stale.offer->index.pages, (std::vector<int>{3, 8}));
        EXPECT_EQ(stale.offer->index.showingPage, 0);
        stale.offer->folder->remove();
    }
}

TEST_F(KeeperTest, StartUpClaimsOnlyDrawingsOfProgramsThatAreGoneAndOffersTheNewest)
{
    const QString older = leftBehind({1}, 1);
    const QString newer = leftBehind({3}, 3);
    QFile index(indexFile(older));
    ASSERT_TRUE(index.open(QIODevice::ReadWrite));
    index.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    index.close();
    leftBehind({}, 0);             // a program that kept nothing leaves nothing
    DrawingKeeper running(root()); // another program, still drawing
    running.keep(5, picture(5));
    running.flush();

    StaleDrawings stale = findStaleDrawings(root());
    ASSERT_TRUE(stale.offer);
    EXPECT_EQ(stale.offer->folder->path(), newer);
    ASSERT_EQ(stale.others.size(), 1u);
    EXPECT_EQ(stale.others[0].folder->path(), older);
    // A second look, by a third program, finds the stale ones claimed.
    EXPECT_FALSE(findStaleDrawings(root()).offer);

    stale.offer->folder->remove();
    stale.others[0].folder->remove();
    EXPECT_FALSE(QFileInfo::exists(newer));
    EXPECT_FALSE(QFileInfo::exists(older));
    EXPECT_EQ(readKeptPages(running.folder(), indexOf(running.folder()))[5].toImage(), pageImage(5))
        << "the running program's drawing was touched";
}

TEST_F(KeeperTest, AStateFolderThatTakesNothingStopsTheKeepingWithOneLine)
{
    QFile plain(dir.filePath(QStringLiteral("a file")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Case
    {
        const char* name;
        QString root;
        bool breakAfterFirst; // the folder goes read-only once a page is kept
    };
    const Case cases[] = {
        {"under a plain file", plain.fileName() + QStringLiteral("/lienzo"), false},
        {"in /proc", QStringLiteral("/proc/lienzo"), false},
        {"taken away after the first page", root(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DrawingKeeper keeper(c.root);
        int written = 0;
        if (c.breakAfterFirst) {
            keeper.keep(0, picture(0));
            keeper.flush();
            written = 1;
            ASSERT_TRUE(QDir(keeper.folder()).removeRecursively());
            QFile blocker(keeper.folder());
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        testing::internal::CaptureStderr();
        for (int i = 0; i < 3; ++i) {
            keeper.keep(i, picture(i + 1));
            keeper.flush();
        }
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(keeper.stopped());
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(keeper.writes(0) + keeper.writes(1) + keeper.writes(2), written);
        if (c.breakAfterFirst)
            QFile::remove(keeper.folder());
    }
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <system_error>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "files/AtomicFile.h"
#include "files/TileFile.h"
#include "files/ZlibMemory.h"
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

// A disk that holds every write until it is opened: a network home folder
// that hangs, or a slow USB stick.
struct StalledDisk
{
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int entered = 0;

    DrawingKeeper::FileWriter writer(const std::shared_ptr<StalledDisk>& self)
    {
        return [self](const QString& path, const QByteArray& bytes, QString* error) {
            {
                std::unique_lock lock(self->mutex);
                ++self->entered;
                self->changed.notify_all();
                self->changed.wait(lock, [&] { return self->open; });
            }
            return writeFileAtomically(path, bytes, error);
        };
    }
    void waitForWrites(int count)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return entered >= count; });
    }
    void release()
    {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

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

TEST_F(KeeperTest, WhileTheDiskIsSlowAPageChangedFiveTimesIsWrittenOnceAtItsNewest)
{
    auto disk = std::make_shared<StalledDisk>();
    DrawingKeeper keeper(root());
    keeper.setFileWriter(disk->writer(disk));
    keeper.keep(0, picture(0));
    keeper.handOver();
    disk->waitForWrites(1);
    for (int version = 1; version <= 5; ++version) {
        keeper.keep(1, picture(version));
        keeper.handOver();
    }
    disk->release();
    keeper.flush();
    EXPECT_EQ(keeper.writes(1), 1);
    EXPECT_EQ(readKeptPages(keeper.folder(), indexOf(keeper.folder()))[1].toImage(), pageImage(5));
}

// A disk that hangs never holds the window: an exit, by discard() or by the
// keeper going, returns after the exit wait, and what was kept stays on disk.
TEST_F(KeeperTest, ADiskThatHangsHoldsTheExitNoLongerThanTheExitWait)
{
    for (const bool discarding : {true, false}) {
        SCOPED_TRACE(discarding ? "discard" : "keeper goes");
        auto disk = std::make_shared<StalledDisk>();
        QString folder;
        QElapsedTimer exit;
        {
            DrawingKeeper keeper(root());
            keeper.keep(0, picture(0));
            keeper.flush();
            folder = keeper.folder();
            keeper.setFileWriter(disk->writer(disk));
            keeper.keep(0, picture(1));
            keeper.handOver();
            disk->waitForWrites(1);
            keeper.keep(1, picture(2)); // waits behind the hung write
            keeper.handOver();
            exit.start();
            if (discarding)
                keeper.discard();
        }
        EXPECT_LT(exit.elapsed(), 3000);
        disk->release();
        // The writer left behind finishes and lets the folder go, as the
        // program's end would; the drawing is there for the next start.
        StaleDrawings stale;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (stale = findStaleDrawings(root())).offer.has_value(); }))
            << "the drawing that could not be finished was lost";
        if (!stale.offer)
            continue;
        EXPECT_EQ(stale.offer->folder->path(), folder);
        if (discarding) {
            EXPECT_FALSE(stale.offer->index.pages.size() > 1) << "what waited was written after the discard";
        }
        stale.offer->folder->remove();
    }
}

// No thread to write with, or no memory for zlib: the keeping stops with one
// line on stderr, and nothing hangs or ends the program.
TEST_F(KeeperTest, NoThreadOrNoMemoryForZlibStopsTheKeepingWithOneLine)
{
    struct Case
    {
        const char* name;
        int zlibAllocations; // negative: zlib has memory
        bool threadFails;
        bool flushFirst; // otherwise the keeper's going hands the page over
    };
    const Case cases[] = {
        {"no thread", -1, true, true},
        {"no thread when the keeper goes", -1, true, false},
        {"deflateInit without memory", 0, false, true},
        {"deflateInit short of memory", 3, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        {
            DrawingKeeper keeper(root());
            if (c.threadFails)
                keeper.setThreadStarter([](std::function<void()>) -> std::thread {
                    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
                });
            failZlibAllocationsAfter(c.zlibAllocations);
            keeper.keep(0, picture(0));
            if (c.flushFirst) {
                keeper.flush();
                EXPECT_TRUE(keeper.stopped());
                EXPECT_EQ(keeper.writes(0), 0);
            }
        }
        failZlibAllocationsAfter(-1);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
}

TEST(TileFile, EveryZlibCallThatRunsOutOfMemoryFailsTheCodingCleanly)
{
    const Picture page = picture(3);
    const QByteArray bytes = encodeTiles(page);
    // deflateInit takes five allocations and inflate one more for its window
    // after inflateInit's one: a failure at each.
    for (int allowed = 0; allowed < 5; ++allowed) {
        SCOPED_TRACE(allowed);
        failZlibAllocationsAfter(allowed);
        const QByteArray coded = encodeTiles(page);
        const std::optional<Picture> decoded = decodeTiles(bytes);
        failZlibAllocationsAfter(-1);
        EXPECT_TRUE(coded.isEmpty());
        if (allowed < 2) {
            EXPECT_FALSE(decoded);
        }
    }
    ASSERT_EQ(decodeTiles(bytes)->toImage(), pageImage(3));
}

TEST_F(KeeperTest, APageWrittenJustBeforeAKillIsOfferedThoughTheIndexDoesNotNameIt)
{
    const QString folder = leftBehind({3}, 3);
    // Killed after page 5's rename, before the index's.
    ASSERT_TRUE(writeFileAtomically(pageFile(folder, 5), encodeTiles(picture(5))));
    StaleDrawings stale = findStaleDrawings(root());
    ASSERT_TRUE(stale.offer);
    EXPECT_EQ(stale.offer->index.pages, (std::vector<int>{3, 5}));
    EXPECT_EQ(stale.offer->index.showingPage, 3);
    EXPECT_EQ(readKeptPages(folder, stale.offer->index)[5].toImage(), pageImage(5));
    stale.offer->folder->remove();
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recovery/DrawingKeeper.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>

#include <QFile>

#include "files/AtomicFile.h"
#include "files/TileFile.h"

namespace {

// A page never drawn on, or cleared, is one tile of its colour in every
// place: there is nothing to keep until it changes.
bool isBlank(const Picture& picture)
{
    for (int i = 1; i < picture.tileCount(); ++i)
        if (picture.tile(i) != picture.tile(0))
            return false;
    return true;
}

} // namespace

// The changes handed over together; a newer batch laid over an older one
// keeps only each page's newest picture.
struct DrawingKeeper::Batch
{
    std::array<std::optional<Picture>, kPageCount> pages;
    std::optional<int> showingPage;

    void takeNewer(Batch&& newer)
    {
        for (size_t page = 0; page < pages.size(); ++page)
            if (newer.pages[page])
                pages[page] = std::move(newer.pages[page]);
        if (newer.showingPage)
            showingPage = newer.showingPage;
    }
};

// What the writer thread works with. The window thread touches the fields
// under "the writer's own" only while the writer is idle.
struct DrawingKeeper::Writer
{
    QString root;
    FileWriter writeFile;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    Batch waiting;
    bool anyWaiting = false;
    bool busy = false;
    bool quit = false;
    std::atomic<bool> stopped{false};
    std::array<std::atomic<int>, kPageCount> writes{};

    // The writer's own.
    std::unique_ptr<KeptFolder> folder; // set under the mutex, read by folder()
    std::array<Picture, kPageCount> written;
    int showingWritten = -1;
    int showingPage = 0;

    void run();
    void write(const Batch& batch);
    bool writePage(int page, const Picture& picture);
    void stop(const QString& reason);
};

void DrawingKeeper::Writer::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return quit || anyWaiting; });
        if (!anyWaiting)
            return;
        std::optional<Batch> batch(std::move(waiting));
        waiting = Batch();
        anyWaiting = false;
        busy = true;
        lock.unlock();
        try {
            if (!stopped)
                write(*batch);
        } catch (const std::exception& e) {
            stop(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            stop(QStringLiteral("error desconocido"));
        }
        // The pictures go before the window hears that the writer is idle.
        batch.reset();
        lock.lock();
        busy = false;
        if (!anyWaiting)
            idle.notify_all();
    }
}

// Pages first, then the index that names them: an index never lists a page
// whose file is not whole.
void DrawingKeeper::Writer::write(const Batch& batch)
{
    if (batch.showingPage)
        showingPage = *batch.showingPage;
    bool changed = false;
    for (int page = 0; page < kPageCount; ++page) {
        const std::optional<Picture>& picture = batch.pages[size_t(page)];
        if (!picture || picture->isNull())
            continue;
        const Picture& before = written[size_t(page)];
        if (before.isNull() ? isBlank(*picture) : sharedTileCount(before, *picture) == picture->tileCount())
            continue;
        if (!writePage(page, *picture))
            return;
        changed = true;
    }
    if (!folder || (!changed && showingPage == showingWritten))
        return;
    KeptIndex index;
    index.showingPage = showingPage;
    for (int page = 0; page < kPageCount; ++page)
        if (!written[size_t(page)].isNull())
            index.pages.push_back(page);
    QString reason;
    if (!writeFile(indexFile(folder->path()), indexBytes(index), &reason))
        return stop(reason);
    showingWritten = showingPage;
}

bool DrawingKeeper::Writer::writePage(int page, const Picture& picture)
{
    QString reason;
    if (!folder) {
        std::unique_ptr<KeptFolder> made = KeptFolder::claimNew(root, &reason);
        if (!made) {
            stop(reason);
            return false;
        }
        const std::lock_guard lock(mutex);
        folder = std::move(made);
    }
    const QByteArray bytes = encodeTiles(picture);
    if (bytes.isEmpty()) {
        stop(QStringLiteral("no se puede comprimir la página"));
        return false;
    }
    if (!writeFile(pageFile(folder->path(), page), bytes, &reason)) {
        stop(reason);
        return false;
    }
    written[size_t(page)] = picture;
    ++writes[size_t(page)];
    return true;
}

void DrawingKeeper::Writer::stop(const QString& reason)
{
    if (stopped.exchange(true))
        return;
    std::fprintf(stderr, "lienzo: no se puede guardar el dibujo en %s (%s); se deja de guardar\n",
                 qPrintable(root), qPrintable(reason));
    std::fflush(stderr);
}

DrawingKeeper::DrawingKeeper(QString root, QObject* parent)
    : QObject(parent), m_root(std::move(root)), m_pending(std::make_unique<Batch>()),
      m_writer(std::make_shared<Writer>())
{
    m_writer->root = m_root;
    m_writer->writeFile = [](const QString& path, const QByteArray& bytes, QString* error) {
        return writeFileAtomically(path, bytes, error);
    };
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &DrawingKeeper::handOver);
}

DrawingKeeper::~DrawingKeeper()
{
    handOver();
    {
        const std::lock_guard lock(m_writer->mutex);
        m_writer->quit = true;
    }
    m_writer->wake.notify_all();
    if (!m_thread.joinable())
        return;
    if (waitIdle(m_exitWaitMs)) {
        m_thread.join();
    } else {
        // The disk hangs. The thread holds the writer's state and finishes,
        // or ends with the program; the files stay as they were.
        m_thread.detach();
    }
}

void DrawingKeeper::keep(int page, const Picture& picture)
{
    if (m_discarded || stopped() || page < 0 || page >= kPageCount)
        return;
    m_pending->pages[size_t(page)] = picture;
    schedule();
}

void DrawingKeeper::setShowingPage(int page)
{
    if (m_discarded || stopped() || page < 0 || page >= kPageCount)
        return;
    m_pending->showingPage = page;
    schedule();
}

void DrawingKeeper::adopt(std::unique_ptr<KeptFolder> folder, const std::array<Picture, kPageCount>& pages,
                          int showingPage)
{
    flush();
    // A page that did not read back is not offered again.
    for (int page = 0; page < kPageCount; ++page)
        if (pages[size_t(page)].isNull())
            QFile::remove(pageFile(folder->path(), page));
    const std::lock_guard lock(m_writer->mutex);
    m_writer->folder = std::move(folder);
    m_writer->written = pages;
    m_writer->showingPage = showingPage;
    // The next index written lists only the pages that read back.
    m_writer->showingWritten = -1;
}

void DrawingKeeper::setDelays(int delayMs, int longestDelayMs)
{
    m_delayMs = delayMs;
    m_longestDelayMs = longestDelayMs;
}

void DrawingKeeper::setFileWriter(FileWriter writer)
{
    m_writer->writeFile = std::move(writer);
}

void DrawingKeeper::schedule()
{
    if (!m_anyPending) {
        m_anyPending = true;
        m_pendingSince.start();
    }
    const qint64 left = m_longestDelayMs - m_pendingSince.elapsed();
    m_delay.start(int(std::clamp<qint64>(left, 0, m_delayMs)));
}

void DrawingKeeper::handOver()
{
    m_delay.stop();
    if (!m_anyPending)
        return;
    Batch batch = std::move(*m_pending);
    *m_pending = Batch();
    m_anyPending = false;
    {
        const std::lock_guard lock(m_writer->mutex);
        m_writer->waiting.takeNewer(std::move(batch));
        m_writer->anyWaiting = true;
    }
    // The batch waits before the writer starts, so the thread's start alone
    // orders the first batch before the writer reads it.
    startWriter();
    if (stopped()) {
        const std::lock_guard lock(m_writer->mutex);
        m_writer->waiting = Batch();
        m_writer->anyWaiting = false;
        return;
    }
    m_writer->wake.notify_one();
}

void DrawingKeeper::flush()
{
    handOver();
    waitIdle(-1);
}

void DrawingKeeper::discard()
{
    m_delay.stop();
    *m_pending = Batch();
    m_anyPending = false;
    m_discarded = true;
    {
        const std::lock_guard lock(m_writer->mutex);
        m_writer->waiting = Batch();
        m_writer->anyWaiting = false;
    }
    if (!waitIdle(m_exitWaitMs)) {
        // A write hangs: the drawing stays on disk, to be offered at the
        // next start, and the exit does not wait for it again.
        m_exitWaitMs = 0;
        return;
    }
    const std::lock_guard lock(m_writer->mutex);
    if (m_writer->folder)
        m_writer->folder->remove();
    m_writer->folder.reset();
}

bool DrawingKeeper::waitIdle(int ms)
{
    std::unique_lock lock(m_writer->mutex);
    const auto idle = [this] { return !m_writer->anyWaiting && !m_writer->busy; };
    if (ms < 0) {
        m_writer->idle.wait(lock, idle);
        return true;
    }
    return m_writer->idle.wait_for(lock, std::chrono::milliseconds(ms), idle);
}

bool DrawingKeeper::stopped() const
{
    return m_writer->stopped;
}

QString DrawingKeeper::folder() const
{
    const std::lock_guard lock(m_writer->mutex);
    return m_writer->folder ? m_writer->folder->path() : QString();
}

int DrawingKeeper::writes(int page) const
{
    return m_writer->writes.at(size_t(page));
}

void DrawingKeeper::startWriter()
{
    if (m_thread.joinable() || stopped())
        return;
    std::function<void()> run = [writer = m_writer] { writer->run(); };
    try {
        m_thread = m_startThread ? m_startThread(std::move(run)) : std::thread(std::move(run));
    } catch (const std::exception& e) {
        m_writer->stop(
            QStringLiteral("no se puede iniciar el hilo: %1").arg(QString::fromLocal8Bit(e.what())));
        return;
    }
    if (!m_thread.joinable())
        m_writer->stop(QStringLiteral("no se puede iniciar el hilo"));
}

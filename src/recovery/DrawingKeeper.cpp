// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recovery/DrawingKeeper.h"

#include <algorithm>
#include <cstdio>

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

DrawingKeeper::DrawingKeeper(QString root, QObject* parent) : QObject(parent), m_root(std::move(root))
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &DrawingKeeper::handOver);
}

DrawingKeeper::~DrawingKeeper()
{
    handOver();
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_writer.joinable())
        m_writer.join();
}

void DrawingKeeper::keep(int page, const Picture& picture)
{
    if (m_discarded || m_stopped || page < 0 || page >= kPageCount)
        return;
    m_pending.pages[size_t(page)] = picture;
    schedule();
}

void DrawingKeeper::setShowingPage(int page)
{
    if (m_discarded || m_stopped || page < 0 || page >= kPageCount)
        return;
    m_pending.showingPage = page;
    schedule();
}

void DrawingKeeper::adopt(std::unique_ptr<KeptFolder> folder, const std::array<Picture, kPageCount>& pages,
                          int showingPage)
{
    flush();
    const std::lock_guard lock(m_mutex);
    m_folder = std::move(folder);
    m_written = pages;
    m_showingPage = showingPage;
    // The next index written leaves out the pages that did not read back,
    // so a damaged file is not offered again.
    m_showingWritten = -1;
}

void DrawingKeeper::setDelays(int delayMs, int longestDelayMs)
{
    m_delayMs = delayMs;
    m_longestDelayMs = longestDelayMs;
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
    startWriter();
    {
        const std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(m_pending));
    }
    m_pending = Batch();
    m_anyPending = false;
    m_wake.notify_one();
}

void DrawingKeeper::flush()
{
    handOver();
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void DrawingKeeper::discard()
{
    m_pending = Batch();
    m_anyPending = false;
    m_discarded = true;
    flush();
    const std::lock_guard lock(m_mutex);
    if (m_folder)
        m_folder->remove();
    m_folder.reset();
}

QString DrawingKeeper::folder() const
{
    const std::lock_guard lock(m_mutex);
    return m_folder ? m_folder->path() : QString();
}

void DrawingKeeper::startWriter()
{
    if (!m_writer.joinable())
        m_writer = std::thread(&DrawingKeeper::run, this);
}

void DrawingKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        Batch batch = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        try {
            if (!m_stopped)
                write(batch);
        } catch (const std::exception& e) {
            stop(QString::fromLocal8Bit(e.what()));
        }
        lock.lock();
        m_busy = false;
        if (m_queue.empty())
            m_idle.notify_all();
    }
}

// Pages first, then the index that names them: an index never lists a page
// whose file is not whole.
void DrawingKeeper::write(Batch& batch)
{
    if (batch.showingPage)
        m_showingPage = *batch.showingPage;
    bool changed = false;
    for (int page = 0; page < kPageCount; ++page) {
        const std::optional<Picture>& picture = batch.pages[size_t(page)];
        if (!picture || picture->isNull())
            continue;
        const Picture& before = m_written[size_t(page)];
        if (before.isNull() ? isBlank(*picture) : sharedTileCount(before, *picture) == picture->tileCount())
            continue;
        if (!writePage(page, *picture))
            return;
        changed = true;
    }
    if (!m_folder || (!changed && m_showingPage == m_showingWritten))
        return;
    KeptIndex index;
    index.showingPage = m_showingPage;
    for (int page = 0; page < kPageCount; ++page)
        if (!m_written[size_t(page)].isNull())
            index.pages.push_back(page);
    QString reason;
    if (!writeFileAtomically(indexFile(m_folder->path()), indexBytes(index), &reason))
        return stop(reason);
    m_showingWritten = m_showingPage;
}

bool DrawingKeeper::writePage(int page, const Picture& picture)
{
    QString reason;
    if (!m_folder) {
        std::unique_ptr<KeptFolder> made = KeptFolder::claimNew(m_root, &reason);
        if (!made) {
            stop(reason);
            return false;
        }
        const std::lock_guard lock(m_mutex);
        m_folder = std::move(made);
    }
    if (!writeFileAtomically(pageFile(m_folder->path(), page), encodeTiles(picture), &reason)) {
        stop(reason);
        return false;
    }
    m_written[size_t(page)] = picture;
    ++m_writes[size_t(page)];
    return true;
}

void DrawingKeeper::stop(const QString& reason)
{
    m_stopped = true;
    std::fprintf(stderr, "lienzo: no se puede guardar el dibujo en %s (%s); se deja de guardar\n",
                 qPrintable(m_root), qPrintable(reason));
    std::fflush(stderr);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "canvas/Picture.h"
#include "pages/PageSwitch.h"
#include "recovery/KeptDrawing.h"

// Keeps the ten pages on disk as the user draws. The window hands it a page's
// picture after each change: a copy of a few pointers, since the tiles are
// shared and never change. A second after the last change the pictures go to
// a writer thread, which codes and writes only the pages whose tiles differ
// from what it last wrote, each file atomically, then the index. The writer
// sees nothing but those tiles.
//
// A write that fails (a full or read-only disk) ends the keeping for this
// run, with one line on stderr; drawing goes on as before.
class DrawingKeeper : public QObject
{
    Q_OBJECT

  public:
    // A change is kept this long after the last one, and never later than
    // kLongestDelayMs after the first one not yet kept: a child who draws on
    // without a pause is kept all the same.
    static constexpr int kDelayMs = 1000;
    static constexpr int kLongestDelayMs = 5000;

    // Keeps under `root` (normally keptDrawingsFolder()). Nothing is made on
    // disk until the first page is kept.
    explicit DrawingKeeper(QString root, QObject* parent = nullptr);
    // Writes what is pending and lets the folder go; the drawing stays kept.
    ~DrawingKeeper() override;

    // The page's picture as it now stands.
    void keep(int page, const Picture& picture);
    // The page shown on the canvas, recorded in the index.
    void setShowingPage(int page);
    // Goes on keeping a recovered drawing in its own folder, where the files
    // already hold `pages` (null for a page it does not hold).
    void adopt(std::unique_ptr<KeptFolder> folder, const std::array<Picture, kPageCount>& pages,
               int showingPage);
    // Removes the kept drawing and keeps nothing more: the program ends
    // normally.
    void discard();

    // Other delays, for tests.
    void setDelays(int delayMs, int longestDelayMs);
    // Sends what is pending to the writer now, without waiting for the delay.
    void handOver();
    // Hands over what is pending and waits until it is written.
    void flush();

    bool stopped() const { return m_stopped; }
    const QString& root() const { return m_root; }
    // The folder of this program's drawing; empty until it is made.
    QString folder() const;
    // How many times page's file has been written in this run.
    int writes(int page) const { return m_writes.at(size_t(page)); }

  private:
    struct Batch
    {
        std::array<std::optional<Picture>, kPageCount> pages;
        std::optional<int> showingPage;
    };
    void run();
    void write(Batch& batch);
    bool writePage(int page, const Picture& picture);
    void stop(const QString& reason);
    void startWriter();
    void schedule();

    // The window's side.
    QString m_root;
    QTimer m_delay;
    QElapsedTimer m_pendingSince;
    int m_delayMs = kDelayMs;
    int m_longestDelayMs = kLongestDelayMs;
    Batch m_pending;
    bool m_anyPending = false;
    bool m_discarded = false;

    // Shared with the writer.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Batch> m_queue;
    bool m_busy = false;
    bool m_quit = false;
    std::thread m_writer;
    std::atomic<bool> m_stopped{false};
    std::array<std::atomic<int>, kPageCount> m_writes{};

    // The writer's own, and the window's only while the writer is idle.
    std::unique_ptr<KeptFolder> m_folder;
    std::array<Picture, kPageCount> m_written;
    int m_showingWritten = -1;
    int m_showingPage = 0;
};

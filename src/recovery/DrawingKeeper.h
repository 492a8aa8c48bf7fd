// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "canvas/Picture.h"
#include "pages/PageSwitch.h"
#include "recovery/KeptDrawing.h"

// Keeps the ten pages on disk as the user draws. The window hands it a page's
// picture after each change: a copy of a few pointers, since the tiles are
// shared and never change. A second after the last change, and at least every
// five seconds while changes go on, the pictures go to a writer thread, which
// codes and writes only the pages whose tiles differ from what it last wrote,
// each file atomically, then the index. The writer sees nothing but those
// tiles.
//
// Changes handed over while the writer is busy wait in one batch: a page
// changed five times while the disk is slow is written once, at its newest.
// The window never waits long for the disk: an exit waits for a write in
// progress at most kExitWaitMs, and what is not written by then stays on disk
// as it was, to be offered at the next start.
//
// A write that fails (a full or read-only disk, a writer thread that cannot
// start) ends the keeping for this run, with one line on stderr; drawing goes
// on as before.
class DrawingKeeper : public QObject
{
    Q_OBJECT

  public:
    // A change is kept this long after the last one, and never later than
    // kLongestDelayMs after the first one not yet kept: a child who draws on
    // without a pause is kept all the same.
    static constexpr int kDelayMs = 1000;
    static constexpr int kLongestDelayMs = 5000;
    static constexpr int kExitWaitMs = 2000;

    // How a file is written, and how the writer thread is started: tests
    // hand in a disk that stalls and a thread that cannot be had.
    using FileWriter = std::function<bool(const QString& path, const QByteArray& bytes, QString* error)>;
    using ThreadStarter = std::function<std::thread(std::function<void()>)>;

    // Keeps under `root` (normally keptDrawingsFolder()). Nothing is made on
    // disk until the first page is kept.
    explicit DrawingKeeper(QString root, QObject* parent = nullptr);
    // Writes what is pending, waiting for the writer at most kExitWaitMs, and
    // lets the folder go; the drawing stays kept.
    ~DrawingKeeper() override;

    // The page's picture as it now stands.
    void keep(int page, const Picture& picture);
    // The page shown on the canvas, recorded in the index.
    void setShowingPage(int page);
    // Goes on keeping a recovered drawing in its own folder, where the files
    // already hold `pages` (null for a page it does not hold: its file, if
    // any, is removed, so that it is not offered again).
    void adopt(std::unique_ptr<KeptFolder> folder, const std::array<Picture, kPageCount>& pages,
               int showingPage);
    // Removes the kept drawing and keeps nothing more: the program ends
    // normally. What is pending or waiting is dropped; a write in progress is
    // waited for at most kExitWaitMs, and if it does not end the drawing
    // stays on disk.
    void discard();

    // Other delays, and another disk or thread, for tests; before the first
    // keep().
    void setDelays(int delayMs, int longestDelayMs);
    void setExitWait(int ms) { m_exitWaitMs = ms; }
    void setFileWriter(FileWriter writer);
    void setThreadStarter(ThreadStarter starter) { m_startThread = std::move(starter); }
    // Sends what is pending to the writer now, without waiting for the delay.
    void handOver();
    // Hands over what is pending and waits until it is written.
    void flush();

    bool stopped() const;
    const QString& root() const { return m_root; }
    // The folder of this program's drawing; empty until it is made.
    QString folder() const;
    // How many times page's file has been written in this run.
    int writes(int page) const;

  private:
    struct Batch;
    struct Writer;
    void startWriter();
    void schedule();
    // Waits until nothing is waiting or being written; false when that did
    // not come within `ms` (negative: no limit).
    bool waitIdle(int ms);

    // The window's side.
    QString m_root;
    QTimer m_delay;
    QElapsedTimer m_pendingSince;
    int m_delayMs = kDelayMs;
    int m_longestDelayMs = kLongestDelayMs;
    int m_exitWaitMs = kExitWaitMs;
    std::unique_ptr<Batch> m_pending;
    bool m_anyPending = false;
    bool m_discarded = false;
    ThreadStarter m_startThread;

    // Shared with the writer thread, which holds it too: a writer left behind
    // on a disk that hangs outlives this object without touching it.
    std::shared_ptr<Writer> m_writer;
    std::thread m_thread;
};

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "canvas/Picture.h"
#include "pages/PageSwitch.h"

class QLockFile;

// A drawing kept on disk while the user draws, so that a crash, a power cut
// or a forced log-out loses little: a change is written a second after it is
// made, and at least every five seconds while drawing goes on. Each running program
// keeps its drawing in a folder of its own under the state folder, claimed
// by a lock file beside it: the folder "N" goes with the lock "N.lock". The
// folder holds one file per kept page and an index.

// The version of the index and of the page files.
inline constexpr int kKeptFormat = 1;

// $XDG_STATE_HOME/lienzo, or ~/.local/state/lienzo when the variable is unset,
// empty or not an absolute path.
QString keptDrawingsFolder();

// Which pages a kept drawing holds a file for, and which page was showing.
struct KeptIndex
{
    int showingPage = 0;
    std::vector<int> pages;
};

QByteArray indexBytes(const KeptIndex& index);
// Nothing for an index of another version or one that does not read.
std::optional<KeptIndex> parseIndex(const QByteArray& bytes);
QString indexFile(const QString& folder);
QString pageFile(const QString& folder, int page);

// One kept drawing's folder, claimed by this program through its lock for as
// long as this object lives. Letting it go leaves the files.
class KeptFolder
{
  public:
    KeptFolder(QString path, std::unique_ptr<QLockFile> lock);
    ~KeptFolder();
    KeptFolder(const KeptFolder&) = delete;
    KeptFolder& operator=(const KeptFolder&) = delete;

    // A new, empty folder under `root`, claimed by this program; nothing, with
    // the reason in `error`, when it cannot be made.
    static std::unique_ptr<KeptFolder> claimNew(const QString& root, QString* error);

    const QString& path() const { return m_path; }
    // Deletes the folder with its files, then the lock.
    void remove();

  private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// A kept drawing whose program no longer runs, claimed now by this one.
struct StaleDrawing
{
    std::unique_ptr<KeptFolder> folder;
    // The pages whose files are there, whatever the index lists, and the
    // page that was showing (page 1 when the index is missing or damaged).
    KeptIndex index;
    QDateTime keptAt;
};

// What start-up finds under the state folder: the newest stale drawing that
// holds a page, to be offered, and every other stale one, newest first. Drawings whose
// program still runs are neither claimed nor touched.
struct StaleDrawings
{
    std::optional<StaleDrawing> offer;
    std::vector<StaleDrawing> others;
};
StaleDrawings findStaleDrawings(const QString& root);

// The pages of a kept drawing, each as its file holds it; a page the index
// does not list, or whose file is missing or damaged, is null.
std::array<Picture, kPageCount> readKeptPages(const QString& folder, const KeptIndex& index);

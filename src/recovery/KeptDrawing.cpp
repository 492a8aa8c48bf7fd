// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recovery/KeptDrawing.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "files/TileFile.h"

namespace {

constexpr char kIndexTag[] = "lienzo-kept-drawing";

// "<process id>-<eight hex digits>", as claimNew() names them.
const QRegularExpression kFolderName(QStringLiteral("^[0-9]+-[0-9a-f]{8}$"));

// The pages whose files are in a kept folder.
KeptIndex indexFromFiles(const QString& folder)
{
    KeptIndex index;
    for (int page = 0; page < kPageCount; ++page)
        if (QFileInfo::exists(pageFile(folder, page)))
            index.pages.push_back(page);
    return index;
}

QString lockFor(const QString& folder)
{
    return folder + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> lockAt(const QString& folder)
{
    auto lock = std::make_unique<QLockFile>(lockFor(folder));
    // A running program holds its lock for hours: only a dead owner makes it
    // stale, never its age.
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray readSmallFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() > limit || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QString keptDrawingsFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/lienzo");
}

QByteArray indexBytes(const KeptIndex& index)
{
    QByteArray out = QByteArray(kIndexTag) + ' ' + QByteArray::number(kKeptFormat) + '\n';
    out += "showing " + QByteArray::number(index.showingPage) + '\n';
    out += "pages";
    for (int page : index.pages)
        out += ' ' + QByteArray::number(page);
    return out + '\n';
}

std::optional<KeptIndex> parseIndex(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 3)
        return std::nullopt;
    const QList<QByteArray> tag = lines[0].split(' ');
    const QList<QByteArray> showing = lines[1].split(' ');
    const QList<QByteArray> pages = lines[2].split(' ');
    if (tag.size() != 2 || tag[0] != kIndexTag || tag[1] != QByteArray::number(kKeptFormat) ||
        showing.size() != 2 || showing[0] != "showing" || pages.first() != "pages")
        return std::nullopt;
    KeptIndex index;
    bool ok = false;
    index.showingPage = showing[1].toInt(&ok);
    if (!ok || index.showingPage < 0 || index.showingPage >= kPageCount)
        return std::nullopt;
    for (qsizetype i = 1; i < pages.size(); ++i) {
        const int page = pages[i].toInt(&ok);
        if (!ok || page < 0 || page >= kPageCount ||
            std::find(index.pages.begin(), index.pages.end(), page) != index.pages.end())
            return std::nullopt;
        index.pages.push_back(page);
    }
    return index;
}

QString indexFile(const QString& folder)
{
    return folder + QStringLiteral("/index");
}

QString pageFile(const QString& folder, int page)
{
    return folder + QStringLiteral("/page-%1.tiles").arg(page);
}

KeptFolder::KeptFolder(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path)), m_lock(std::move(lock))
{
}

KeptFolder::~KeptFolder() = default;

std::unique_ptr<KeptFolder> KeptFolder::claimNew(const QString& root, QString* error)
{
    if (!QDir().mkpath(root)) {
        if (error)
            *error = QStringLiteral("no se puede crear la carpeta");
        return nullptr;
    }
    // The lock comes first: a folder is never there without its lock held.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString path = root + QStringLiteral("/%1-%2")
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        auto lock = lockAt(path);
        if (!lock->tryLock(0)) {
            if (lock->error() != QLockFile::LockFailedError) {
                if (error)
                    *error = QStringLiteral("no se puede crear el cerrojo");
                return nullptr;
            }
            continue;
        }
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0) {
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(errno));
            return nullptr;
        }
        return std::make_unique<KeptFolder>(path, std::move(lock));
    }
    if (error)
        *error = QStringLiteral("no hay nombre libre");
    return nullptr;
}

void KeptFolder::remove()
{
    QDir(m_path).removeRecursively();
    m_lock->unlock();
}

StaleDrawings findStaleDrawings(const QString& root)
{
    std::vector<StaleDrawing> found;
    const QFileInfoList entries =
        QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (!kFolderName.match(entry.fileName()).hasMatch())
            continue; // not one of ours

        const QString path = entry.absoluteFilePath();
        auto lock = lockAt(path);
        if (!lock->tryLock(0))
            continue; // its program is still running
        StaleDrawing drawing;
        drawing.folder = std::make_unique<KeptFolder>(path, std::move(lock));
        drawing.index = parseIndex(readSmallFile(indexFile(path), 4096)).value_or(KeptIndex());
        // A program killed between a page's rename and the index's leaves a
        // page the index does not name yet: every page file there counts.
        drawing.index.pages = indexFromFiles(path).pages;
        const QFileInfo index(indexFile(path));
        drawing.keptAt = index.exists() ? index.lastModified() : entry.lastModified();
        found.push_back(std::move(drawing));
    }
    std::sort(found.begin(), found.end(),
              [](const StaleDrawing& a, const StaleDrawing& b) { return a.keptAt > b.keptAt; });
    StaleDrawings stale;
    for (StaleDrawing& drawing : found) {
        if (!stale.offer && !drawing.index.pages.empty())
            stale.offer = std::move(drawing);
        else
            stale.others.push_back(std::move(drawing));
    }
    return stale;
}

std::array<Picture, kPageCount> readKeptPages(const QString& folder, const KeptIndex& index)
{
    // A page file is never larger than encodeTiles() makes the largest page
    // decodeTiles() takes; a larger one is damaged and not read at all.
    const qint64 limit = largestTileFile();
    std::array<Picture, kPageCount> pages;
    for (int page : index.pages)
        if (const std::optional<Picture> picture = decodeTiles(readSmallFile(pageFile(folder, page), limit)))
            pages[size_t(page)] = *picture;
    return pages;
}

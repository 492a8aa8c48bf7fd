// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes as a kept drawing's index and as one of its page files, found
// and read at start-up by the very functions recovery uses: whatever the
// disk holds, the drawing is found with pages in range, and a page reads
// whole, within the size of an opened picture, or not at all.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FuzzEntry.h"
#include "files/PictureIO.h"
#include "files/TileFile.h"
#include "recovery/KeptDrawing.h"

namespace {

constexpr int kPage = 3;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQt();
    static QTemporaryDir root;
    const QByteArray bytes = inputBytes(data, size);
    // Named as a program that is gone names its folder.
    const QString folder = root.filePath(QStringLiteral("1-0000cafe"));
    FUZZ_CHECK(QDir().mkpath(folder));
    writeFile(indexFile(folder), bytes);
    writeFile(pageFile(folder, kPage), bytes);

    StaleDrawings stale = findStaleDrawings(root.path());
    // Found whatever it holds: offered when it has a page, among the others
    // when not.
    FUZZ_CHECK(stale.offer.has_value() + stale.others.size() == 1);
    StaleDrawing& drawing = stale.offer ? *stale.offer : stale.others.front();
    const KeptIndex& index = drawing.index;
    FUZZ_CHECK(index.showingPage >= 0 && index.showingPage < kPageCount);
    for (int page : index.pages)
        FUZZ_CHECK(page >= 0 && page < kPageCount);

    const std::array<Picture, kPageCount> pages = readKeptPages(drawing.folder->path(), index);
    const std::optional<Picture> direct = decodeTiles(bytes);
    for (int page = 0; page < kPageCount; ++page) {
        const Picture& read = pages[size_t(page)];
        if (read.isNull())
            continue;
        FUZZ_CHECK(page == kPage && direct);
        const QSize kept = read.size();
        FUZZ_CHECK(kept.width() <= kMaxPictureSide && kept.height() <= kMaxPictureSide);
        FUZZ_CHECK(qint64(kept.width()) * kept.height() * 4 <= qint64(kPictureMemoryLimitMb) * 1024 * 1024);
        // What reads is written again to the very same pixels.
        if (qint64(kept.width()) * kept.height() <= 1 << 20) {
            const std::optional<Picture> again = decodeTiles(encodeTiles(read));
            FUZZ_CHECK(again && again->toImage() == read.toImage());
        }
    }
    drawing.folder->remove();
    return 0;
}

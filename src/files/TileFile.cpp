// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/TileFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>

#include <QtEndian>
#include <zlib.h>

#include "files/PictureIO.h"
#include "files/ZlibMemory.h"

namespace {

constexpr char kMagic[4] = {'L', 'Z', 'T', 'L'};
constexpr quint32 kVersion = 1;
constexpr int kTilePixels = Picture::kTileSize * Picture::kTileSize;
constexpr uInt kTileBytes = uInt(kTilePixels * sizeof(QRgb));
// Magic, version, width, height and tile count.
constexpr qsizetype kHeader = sizeof kMagic + 4 * sizeof(quint32);
constexpr qint64 kMaxPictureBytes = qint64(kPictureMemoryLimitMb) * 1024 * 1024;

constexpr quint32 tilesAcross(quint32 pixels)
{
    return (pixels + Picture::kTileSize - 1) / Picture::kTileSize;
}

// The sizes an opened picture may have, so the only ones a page may have.
// Each side is at most kMaxPictureSide, so the product cannot overflow.
constexpr bool isPictureSize(quint32 width, quint32 height)
{
    return width > 0 && height > 0 && width <= quint32(kMaxPictureSide) && height <= quint32(kMaxPictureSide) &&
           qint64(width) * height * qint64(sizeof(QRgb)) <= kMaxPictureBytes;
}

// The most tiles a picture of such a size is cut into.
constexpr qint64 mostTiles()
{
    qint64 most = 0;
    for (quint32 width = 1; width <= quint32(kMaxPictureSide); ++width) {
        const quint32 height = quint32(std::min<qint64>(kMaxPictureSide, kMaxPictureBytes / 4 / width));
        most = std::max(most, qint64(tilesAcross(width)) * tilesAcross(height));
    }
    return most;
}

enum TileKind : char
{
    OneColour = 0,
    Pixels = 1
};

void put(QByteArray& out, quint32 value)
{
    value = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

bool oneColour(const Picture::Tile& tile)
{
    const QRgb first = tile.pixels[0];
    for (QRgb p : tile.pixels)
        if (p != first)
            return false;
    return true;
}

// Reads little-endian words from the front of a byte range.
struct Reader
{
    const char* at;
    const char* end;
    bool take(quint32& value)
    {
        if (end - at < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, at, sizeof value);
        value = qFromLittleEndian(value);
        at += sizeof value;
        return true;
    }
};

} // namespace

QByteArray encodeTiles(const Picture& picture)
{
    QByteArray out;
    if (picture.isNull())
        return out;
    const int count = picture.tileCount();
    out.append(kMagic, sizeof kMagic);
    put(out, kVersion);
    put(out, quint32(picture.size().width()));
    put(out, quint32(picture.size().height()));
    put(out, quint32(count));
    const qsizetype kinds = out.size();
    out.resize(kinds + count);
    for (int i = 0; i < count; ++i) {
        const Picture::Tile& tile = *picture.tile(i);
        out[kinds + i] = oneColour(tile) ? OneColour : Pixels;
        if (out[kinds + i] == OneColour)
            put(out, tile.pixels[0]);
    }

    z_stream z{};
    useZlibMemory(z);
    if (deflateInit(&z, Z_BEST_SPEED) != Z_OK)
        return {};
    const qsizetype lengthAt = out.size();
    put(out, 0);
    qsizetype written = out.size();
    out.resize(written + qsizetype(deflateBound(&z, kTileBytes)));
    // Every call has room to put out, so anything but progress is a failure:
    // the coding stops there rather than trying again.
    bool ok = true;
    for (int i = 0; i <= count && ok; ++i) {
        const bool last = i == count;
        if (!last && out[kinds + i] != Pixels)
            continue;
        z.next_in = last ? nullptr
                         : const_cast<Bytef*>(reinterpret_cast<const Bytef*>(picture.tile(i)->pixels.data()));
        z.avail_in = last ? 0 : kTileBytes;
        int status = Z_OK;
        do {
            if (out.size() - written < 64 * 1024)
                out.resize(written + qsizetype(deflateBound(&z, kTileBytes)) + 64 * 1024);
            z.next_out = reinterpret_cast<Bytef*>(out.data() + written);
            z.avail_out = uInt(out.size() - written);
            status = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            written = reinterpret_cast<char*>(z.next_out) - out.data();
            ok = status == Z_OK || (last && status == Z_STREAM_END);
        } while (ok && (last ? status != Z_STREAM_END : z.avail_in > 0 || z.avail_out == 0));
    }
    deflateEnd(&z);
    if (!ok)
        return {};
    out.resize(written);
    const quint32 length = qToLittleEndian(quint32(written - lengthAt - 4));
    std::memcpy(out.data() + lengthAt, &length, sizeof length);
    put(out, quint32(crc32(0, reinterpret_cast<const Bytef*>(out.constData()), uInt(out.size()))));
    return out;
}

std::optional<Picture> decodeTiles(const QByteArray& bytes)
{
    if (bytes.size() < kHeader + 8)
        return std::nullopt;
    // The bytes themselves, never the shared empty array Qt hands out for none.
    const char* data = const_cast<QByteArray&>(bytes).data_ptr().data();
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    const qsizetype body = bytes.size() - 4;
    quint32 sum = 0;
    std::memcpy(&sum, data + body, sizeof sum);
    if (qFromLittleEndian(sum) != quint32(crc32(0, reinterpret_cast<const Bytef*>(data), uInt(body))))
        return std::nullopt;

    Reader in{data + sizeof kMagic, data + body};
    quint32 version = 0, width = 0, height = 0, count = 0;
    if (!in.take(version) || !in.take(width) || !in.take(height) || !in.take(count) || version != kVersion ||
        !isPictureSize(width, height))
        return std::nullopt;
    const QSize size{int(width), int(height)};
    // The size alone fixes the number of tiles, and so the most memory the
    // tiles below can take.
    if (count != tilesAcross(width) * tilesAcross(height) || in.end - in.at < qsizetype(count))
        return std::nullopt;
    const char* kinds = in.at;
    in.at += count;

    std::vector<Picture::TilePtr> tiles(count);
    std::unordered_map<QRgb, Picture::TilePtr> colours;
    for (quint32 i = 0; i < count; ++i) {
        if (kinds[i] != OneColour)
            continue;
        quint32 colour = 0;
        if (!in.take(colour))
            return std::nullopt;
        Picture::TilePtr& shared = colours[colour];
        if (!shared) {
            auto tile = std::make_shared_for_overwrite<Picture::Tile>();
            tile->pixels.fill(colour);
            shared = std::move(tile);
        }
        tiles[i] = shared;
    }
    quint32 length = 0;
    if (!in.take(length) || in.end - in.at != qsizetype(length))
        return std::nullopt;

    z_stream z{};
    useZlibMemory(z);
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    z.next_in = const_cast<Bytef*>(reinterpret_cast<const Bytef*>(in.at));
    z.avail_in = length;
    bool whole = true;
    for (quint32 i = 0; i < count && whole; ++i) {
        if (kinds[i] == OneColour)
            continue;
        auto tile = std::make_shared_for_overwrite<Picture::Tile>();
        z.next_out = reinterpret_cast<Bytef*>(tile->pixels.data());
        z.avail_out = kTileBytes;
        while (z.avail_out > 0) {
            const int status = inflate(&z, Z_SYNC_FLUSH);
            if (status != Z_OK && !(status == Z_STREAM_END && z.avail_out == 0)) {
                whole = false;
                break;
            }
        }
        tiles[i] = std::move(tile);
    }
    // Nothing may follow the last tile.
    Bytef spare = 0;
    z.next_out = &spare;
    z.avail_out = 1;
    if (whole)
        whole = inflate(&z, Z_FINISH) == Z_STREAM_END && z.avail_in == 0 && z.avail_out == 1;
    inflateEnd(&z);
    if (!whole)
        return std::nullopt;
    const Picture picture = Picture::fromTiles(size, std::move(tiles));
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

qint64 largestTileFile()
{
    // The header, a kind and a colour for each tile, the length of the
    // compressed pixels, zlib's bound on them, and the checksum.
    static_assert(mostTiles() * kTileBytes <= std::numeric_limits<uLong>::max());
    constexpr qint64 kTiles = mostTiles();
    return kHeader + kTiles * (1 + sizeof(QRgb)) + sizeof(quint32) + qint64(compressBound(uLong(kTiles * kTileBytes))) +
           sizeof(quint32);
}

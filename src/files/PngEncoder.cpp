// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PngEncoder.h"

#include <algorithm>
#include <thread>
#include <vector>

#include <QIODevice>
#include <QImage>
#include <QThread>

#include <zlib.h>

#include "files/ZlibMemory.h"

namespace {

// Rows are packed in bands; each band is packed the way that suits it.
constexpr int kBandRows = 16;
// Parts smaller than this are not worth a thread.
constexpr int kLeastPartRows = 128;
constexpr int kMostParts = 4;
// The packed data is split into chunks of at most this many bytes.
constexpr qsizetype kDataChunkBytes = qsizetype(1) << 20;
// Row filter 2 codes each byte as its difference from the byte above.
constexpr uchar kFilterUp = 2;

void putBigEndian32(QByteArray& out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

bool writeChunk(QIODevice& device, const char (&type)[5], const char* data, qsizetype size)
{
    QByteArray frame;
    putBigEndian32(frame, quint32(size));
    frame.append(type, 4);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    // Given no data at all, zlib answers with the starting value instead.
    if (size > 0)
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(data), size_t(size));
    QByteArray check;
    putBigEndian32(check, quint32(crc));
    return device.write(frame) == frame.size() && (size == 0 || device.write(data, size) == size) &&
           device.write(check) == check.size();
}

void toRgb(const uchar* line, int width, uchar* rgb)
{
    const QRgb* pixels = reinterpret_cast<const QRgb*>(line);
    for (int x = 0; x < width; ++x) {
        rgb[3 * x] = uchar(qRed(pixels[x]));
        rgb[3 * x + 1] = uchar(qGreen(pixels[x]));
        rgb[3 * x + 2] = uchar(qBlue(pixels[x]));
    }
}

// One horizontal part of the picture, packed on its own into raw deflate
// data that ends on a byte boundary, so the parts can be laid end to end.
struct Part
{
    int firstRow = 0;
    int rows = 0;
    bool last = false;
    QByteArray packed;
    uLong adler = 1;
    qsizetype rawBytes = 0;
    bool ok = false;
};

// Runs deflate until it has taken all its input and, for a flush, put out
// everything, growing `out` whenever it fills.
bool deflateAll(z_stream& z, int flush, QByteArray& out)
{
    for (;;) {
        if (z.avail_out == 0) {
            out.resize(out.size() * 2);
            z.next_out = reinterpret_cast<Bytef*>(out.data()) + z.total_out;
            z.avail_out = uInt(out.size() - qsizetype(z.total_out));
        }
        const int result = deflate(&z, flush);
        // There is always room to put out: any other answer is a failure.
        if (result != Z_OK && result != Z_STREAM_END)
            return false;
        if (flush == Z_FINISH ? result == Z_STREAM_END : (z.avail_in == 0 && z.avail_out != 0))
            return true;
    }
}

// Switches the packing between runs and byte frequencies. The switch closes
// the current block, which needs room in `out`.
bool switchStrategy(z_stream& z, int strategy, QByteArray& out)
{
    constexpr qsizetype kRoom = qsizetype(1) << 18;
    for (int attempt = 0; attempt < 64; ++attempt) {
        if (qsizetype(z.avail_out) < kRoom) {
            out.resize(out.size() + kRoom);
            z.next_out = reinterpret_cast<Bytef*>(out.data()) + z.total_out;
            z.avail_out = uInt(out.size() - qsizetype(z.total_out));
        }
        const int result = deflateParams(&z, 1, strategy);
        if (result != Z_BUF_ERROR)
            return result == Z_OK;
    }
    return false;
}

// Filters the rows of one band into `band` and counts its zero bytes.
qsizetype filterBand(const QImage& image, int firstRow, int rows, std::vector<uchar>& above,
                     std::vector<uchar>& current, uchar* band)
{
    const qsizetype rgbBytes = qsizetype(current.size());
    qsizetype zeros = 0;
    for (int r = 0; r < rows; ++r) {
        toRgb(image.constScanLine(firstRow + r), image.width(), current.data());
        uchar* out = band + r * (rgbBytes + 1);
        out[0] = kFilterUp;
        for (qsizetype i = 0; i < rgbBytes; ++i) {
            const uchar d = uchar(current[size_t(i)] - above[size_t(i)]);
            out[i + 1] = d;
            zeros += d == 0;
        }
        above.swap(current);
    }
    return zeros;
}

void packPart(const QImage& image, Part& part)
{
    const qsizetype rgbBytes = qsizetype(image.width()) * 3;
    const qsizetype rowBytes = rgbBytes + 1;
    std::vector<uchar> above(static_cast<size_t>(rgbBytes), 0);
    std::vector<uchar> current(static_cast<size_t>(rgbBytes));
    if (part.firstRow > 0)
        toRgb(image.constScanLine(part.firstRow - 1), image.width(), above.data());
    std::vector<uchar> band(size_t(rowBytes * kBandRows));

    z_stream z{};
    useZlibMemory(z);
    // Raw deflate data: the stream's header and check are written once for
    // all the parts.
    if (deflateInit2(&z, 1, Z_DEFLATED, -15, 9, Z_RLE) != Z_OK)
        return;
    int strategy = Z_RLE;
    part.packed.resize(std::max<qsizetype>(rowBytes * part.rows / 2, 4096));
    z.next_out = reinterpret_cast<Bytef*>(part.packed.data());
    z.avail_out = uInt(part.packed.size());
    bool ok = true;
    for (int row = part.firstRow; ok && row < part.firstRow + part.rows; row += kBandRows) {
        const int rows = std::min(kBandRows, part.firstRow + part.rows - row);
        const qsizetype bytes = rows * rowBytes;
        const qsizetype zeros = filterBand(image, row, rows, above, current, band.data());
        // Where most bytes repeat the row above, runs pack them fast and
        // small; elsewhere a search for repeats costs more than it finds.
        const int wanted = 2 * zeros > bytes ? Z_RLE : Z_HUFFMAN_ONLY;
        if (wanted != strategy) {
            ok = switchStrategy(z, wanted, part.packed);
            strategy = wanted;
        }
        part.adler = adler32_z(part.adler, band.data(), size_t(bytes));
        part.rawBytes += bytes;
        z.next_in = band.data();
        z.avail_in = uInt(bytes);
        ok = ok && deflateAll(z, Z_NO_FLUSH, part.packed);
    }
    ok = ok && deflateAll(z, part.last ? Z_FINISH : Z_SYNC_FLUSH, part.packed);
    part.packed.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    part.ok = ok;
}

// A thread must not let an exception out, nor may the caller's.
void packPartSafely(const QImage& image, Part& part) noexcept
{
    try {
        packPart(image, part);
    } catch (...) {
        part.ok = false;
    }
}

std::vector<Part> splitIntoParts(int height, int wanted)
{
    const int byThreads = std::min(std::max(1, QThread::idealThreadCount()), kMostParts);
    const int count = wanted > 0 ? std::clamp(wanted, 1, std::max(1, height / kBandRows))
                                 : std::clamp(height / kLeastPartRows, 1, byThreads);
    std::vector<Part> parts(static_cast<size_t>(count));
    // Parts start on band boundaries so that the bands fall as in one part.
    const int bandsPerPart = (height + kBandRows - 1) / kBandRows / count;
    for (int i = 0; i < count; ++i) {
        parts[size_t(i)].firstRow = i * bandsPerPart * kBandRows;
        parts[size_t(i)].rows = i + 1 < count ? bandsPerPart * kBandRows : height - parts[size_t(i)].firstRow;
    }
    parts.back().last = true;
    return parts;
}

void packParts(const QImage& image, std::vector<Part>& parts)
{
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < parts.size(); ++i) {
        try {
            helpers.emplace_back(packPartSafely, std::cref(image), std::ref(parts[i]));
        } catch (...) {
            packPartSafely(image, parts[i]); // no thread to be had: pack it here
        }
    }
    packPartSafely(image, parts[0]);
    for (std::thread& helper : helpers)
        helper.join();
}

// The zlib stream of all the parts: its header, the parts end to end, and
// the check of all the filtered bytes.
QByteArray joinParts(const std::vector<Part>& parts)
{
    qsizetype size = 6;
    for (const Part& part : parts)
        size += part.packed.size();
    QByteArray stream;
    stream.reserve(size);
    stream.append("\x78\x01", 2); // deflate with a 32 kB window, fastest level
    uLong adler = adler32(0, nullptr, 0);
    for (const Part& part : parts) {
        stream.append(part.packed);
        adler = adler32_combine(adler, part.adler, z_off_t(part.rawBytes));
    }
    putBigEndian32(stream, quint32(adler));
    return stream;
}

} // namespace

bool encodePng(const QImage& source, QIODevice& device, int partCount)
{
    if (source.isNull())
        return false;
    const QImage image =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    std::vector<Part> parts = splitIntoParts(image.height(), partCount);
    packParts(image, parts);
    if (!std::all_of(parts.begin(), parts.end(), [](const Part& p) { return p.ok; }))
        return false;
    const QByteArray stream = joinParts(parts);

    QByteArray header;
    putBigEndian32(header, quint32(image.width()));
    putBigEndian32(header, quint32(image.height()));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, filtered rows, not interlaced
    if (device.write("\x89PNG\r\n\x1A\n", 8) != 8 ||
        !writeChunk(device, "IHDR", header.constData(), header.size()))
        return false;
    for (qsizetype at = 0; at < stream.size(); at += kDataChunkBytes) {
        const qsizetype size = std::min(kDataChunkBytes, stream.size() - at);
        if (!writeChunk(device, "IDAT", stream.constData() + at, size))
            return false;
    }
    return writeChunk(device, "IEND", nullptr, 0);
}

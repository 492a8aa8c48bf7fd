// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PictureCheck.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Callers check the bounds before reading.
std::uint32_t byteAt(const QByteArray& data, qsizetype pos)
{
    return std::uint8_t(data[pos]);
}

std::uint32_t littleEndian16(const QByteArray& data, qsizetype pos)
{
    return byteAt(data, pos) | byteAt(data, pos + 1) << 8;
}

std::uint32_t littleEndian32(const QByteArray& data, qsizetype pos)
{
    return littleEndian16(data, pos) | littleEndian16(data, pos + 2) << 16;
}

std::uint32_t bigEndian16(const QByteArray& data, qsizetype pos)
{
    return byteAt(data, pos) << 8 | byteAt(data, pos + 1);
}

struct BmpLayout
{
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t bitsPerPixel = 0;
    std::int64_t compression = 0;
    std::int64_t codedSize = 0;
};

// The header fields that fix how many bytes of pixels follow, from either
// the old 12-byte header or the 40-byte one and its longer successors.
bool readBmpLayout(const QByteArray& data, BmpLayout& layout)
{
    constexpr qsizetype kFileHeader = 14;
    if (data.size() < kFileHeader + 12)
        return false;
    const std::uint32_t headerSize = littleEndian32(data, 14);
    if (headerSize == 12) {
        layout.width = littleEndian16(data, 18);
        layout.height = littleEndian16(data, 20);
        layout.bitsPerPixel = littleEndian16(data, 24);
        return true;
    }
    if (headerSize < 40 || data.size() < kFileHeader + 40)
        return false;
    layout.width = std::int32_t(littleEndian32(data, 18));
    layout.height = std::int32_t(littleEndian32(data, 22));
    layout.bitsPerPixel = littleEndian16(data, 28);
    layout.compression = littleEndian32(data, 30);
    layout.codedSize = littleEndian32(data, 34);
    return true;
}

constexpr std::int64_t kPlain = 0, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

bool isUncoded(const BmpLayout& layout)
{
    return layout.compression == kPlain || layout.compression == kBitFields ||
           layout.compression == kAlphaBitFields;
}

// Run-length coded rows come as pairs of bytes: a count and a value repeat
// the value; a zero count escapes to the end of a row (0), the end of the
// picture (1), a jump (2, then across and down), or that many values written
// out, padded to an even length. The picture is whole when its end code, or
// the end of its last row, comes before the end of the file: a file cut
// short would decode with the missing rows left blank.
bool runsReachTheEnd(const QByteArray& data, const BmpLayout& layout)
{
    const std::int64_t rows = std::llabs(layout.height);
    std::int64_t row = 0;
    qsizetype pos = littleEndian32(data, 10);
    while (pos >= 0 && pos + 1 < data.size()) {
        const std::uint32_t count = byteAt(data, pos), code = byteAt(data, pos + 1);
        pos += 2;
        if (count > 0)
            continue;
        if (code == 1)
            return true;
        if (code == 0 || code == 2) {
            if (code == 2 && pos + 1 >= data.size())
                return false;
            row += code == 0 ? 1 : byteAt(data, pos + 1);
            pos += code == 0 ? 0 : 2;
            if (row >= rows)
                return true;
            continue;
        }
        const qsizetype written = layout.compression == kRle4 ? (code + 1) / 2 : code;
        pos += (written + 1) / 2 * 2;
    }
    return false;
}

// Coded image data never holds the bytes FF D9: a byte FF in it is always
// followed by 00 or a restart marker. So once the segments before the first
// scan are walked, the file is whole when the end marker follows somewhere.
bool isCompleteJpeg(const QByteArray& data)
{
    if (data.size() < 4 || byteAt(data, 0) != 0xFF || byteAt(data, 1) != 0xD8)
        return false;
    constexpr std::uint32_t kStartOfScan = 0xDA, kEnd = 0xD9;
    qsizetype pos = 2;
    while (pos + 1 < data.size()) {
        if (byteAt(data, pos) != 0xFF)
            return false;
        const std::uint32_t marker = byteAt(data, pos + 1);
        if (marker == 0xFF) { // a fill byte before the marker
            ++pos;
            continue;
        }
        pos += 2;
        if (marker == kEnd)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a segment
        if (pos + 2 > data.size())
            return false;
        const qsizetype length = bigEndian16(data, pos);
        if (length < 2)
            return false;
        pos += length;
        if (marker == kStartOfScan)
            return pos <= data.size() && data.indexOf(QByteArray("\xFF\xD9", 2), pos) >= 0;
    }
    return false;
}

// The position after a chain of data sub-blocks (each a length byte and that
// many bytes, ended by a zero length), or -1 when the data ends first.
qsizetype skipSubBlocks(const QByteArray& data, qsizetype pos)
{
    while (pos < data.size()) {
        const qsizetype length = byteAt(data, pos);
        ++pos;
        if (length == 0)
            return pos;
        pos += length;
    }
    return -1;
}

qsizetype colourTableBytes(std::uint32_t flags)
{
    return (flags & 0x80) ? 3 * (qsizetype(2) << (flags & 0x07)) : 0;
}

// Only the first picture of a GIF is shown, so only it has to be whole.
bool isCompleteGif(const QByteArray& data)
{
    constexpr qsizetype kScreenDescriptorEnd = 13;
    constexpr qsizetype kImageDescriptor = 10;
    if (data.size() < kScreenDescriptorEnd)
        return false;
    qsizetype pos = kScreenDescriptorEnd + colourTableBytes(byteAt(data, 10));
    while (pos >= 0 && pos < data.size()) {
        const std::uint32_t block = byteAt(data, pos);
        if (block == 0x21) { // an extension: its label, then sub-blocks
            pos = skipSubBlocks(data, pos + 2);
        } else if (block == 0x2C) { // a picture: descriptor, colours, code size, data
            if (pos + kImageDescriptor > data.size())
                return false;
            pos += kImageDescriptor + colourTableBytes(byteAt(data, pos + 9));
            return skipSubBlocks(data, pos + 1) >= 0;
        } else {
            return false; // the trailer or junk before any picture
        }
    }
    return false;
}

std::uint32_t bigEndian32(const QByteArray& data, qsizetype pos)
{
    return bigEndian16(data, pos) << 16 | bigEndian16(data, pos + 2);
}

// A PNG is a signature and a chain of chunks, each a length, a type, that
// many bytes and a checksum. The header chunk comes first and the end chunk
// last; the decoder checks the checksums of the chunks it needs.
bool isCompletePng(const QByteArray& data)
{
    constexpr qsizetype kSignature = 8, kChunkFrame = 12, kHeaderData = 13;
    constexpr std::uint32_t kLongestChunk = 0x7FFFFFFF;
    qsizetype pos = kSignature;
    bool first = true, sawData = false;
    while (pos + kChunkFrame <= data.size()) {
        const std::uint32_t length = bigEndian32(data, pos);
        const QByteArray type = data.mid(pos + 4, 4);
        if (length > kLongestChunk || qsizetype(length) > data.size() - pos - kChunkFrame)
            return false;
        if (first && (type != "IHDR" || length != kHeaderData))
            return false;
        first = false;
        sawData = sawData || type == "IDAT";
        if (type == "IEND")
            return sawData;
        pos += kChunkFrame + qsizetype(length);
    }
    return false;
}

} // namespace

PictureFormat pictureFormat(const QByteArray& data)
{
    if (data.startsWith("BM"))
        return PictureFormat::Bmp;
    if (data.startsWith("\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    return PictureFormat::Unknown;
}

QByteArray decoderName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Unknown:
        break;
    }
    return QByteArray();
}

bool isCompletePicture(const QByteArray& data, PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp: {
        BmpLayout layout;
        return isCompleteBmp(data, data.size()) && readBmpLayout(data, layout) &&
               (isUncoded(layout) || runsReachTheEnd(data, layout));
    }
    case PictureFormat::Jpeg:
        return isCompleteJpeg(data);
    case PictureFormat::Gif:
        return isCompleteGif(data);
    case PictureFormat::Png:
        return isCompletePng(data);
    case PictureFormat::Unknown:
        break;
    }
    return false;
}

bool isPlainBmp(const QByteArray& head)
{
    BmpLayout layout;
    return readBmpLayout(head, layout) && isUncoded(layout);
}

bool isCompleteBmp(const QByteArray& head, qint64 fileSize)
{
    BmpLayout layout;
    if (!readBmpLayout(head, layout))
        return false;
    const std::int64_t available = fileSize - std::int64_t(littleEndian32(head, 10));
    if (available < 0)
        return false;
    // Plain rows have a fixed length, padded to four bytes; run-length coded
    // rows do not, and the header gives the size of the coded data instead.
    if (!isUncoded(layout))
        return layout.codedSize <= available;
    const std::int64_t rowBytes = (std::llabs(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
    const std::int64_t rows = std::llabs(layout.height);
    if (rows == 0 || rowBytes == 0)
        return false;
    // rowBytes * rows <= available, without a product that could overflow.
    return rowBytes <= available / rows;
}

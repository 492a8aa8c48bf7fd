// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include <QByteArray>
#include <QSize>

// GIF files made on the spot: Qt reads GIF but writes none, so the tests that
// need GIFs of their own shape (many frames, any size) code them here.

// Packs codes of varying width into bytes, least significant bit first, as
// GIF's LZW data is laid out.
class GifBitWriter
{
  public:
    void put(std::uint32_t code, int width)
    {
        m_buffer |= std::uint64_t(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.push_back(char(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.push_back(char(m_buffer & 0xFF));
        m_buffer = 0;
        m_bits = 0;
        return m_bytes;
    }

  private:
    QByteArray m_bytes;
    std::uint64_t m_buffer = 0;
    int m_bits = 0;
};

// The LZW code stream of `pixels` (colour indexes below 2^minCodeSize). The
// decoder adds each table entry one code later than the coder, so the code
// width grows once the coder's next free entry passes the current width's
// range; a full table is cleared.
inline QByteArray gifLzw(const std::vector<std::uint8_t>& pixels, int minCodeSize)
{
    const std::uint32_t clear = 1u << minCodeSize;
    const std::uint32_t end = clear + 1;
    std::uint32_t next = clear + 2;
    int width = minCodeSize + 1;
    std::unordered_map<std::uint32_t, std::uint32_t> table;
    GifBitWriter out;
    out.put(clear, width);
    std::uint32_t prefix = pixels.at(0);
    for (size_t i = 1; i < pixels.size(); ++i) {
        const std::uint32_t key = prefix << 8 | pixels[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.put(prefix, width);
        table.emplace(key, next++);
        if (next > (1u << width) && width < 12)
            ++width;
        if (next == 4096) {
            out.put(clear, width);
            table.clear();
            next = clear + 2;
            width = minCodeSize + 1;
        }
        prefix = pixels[i];
    }
    out.put(prefix, width);
    out.put(end, width);
    return out.finish();
}

// Data cut into sub-blocks of at most 255 bytes, ended by an empty one.
inline QByteArray gifSubBlocks(const QByteArray& data)
{
    QByteArray blocks;
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const QByteArray part = data.mid(pos, 255);
        blocks.append(char(part.size()));
        blocks.append(part);
    }
    blocks.append('\0');
    return blocks;
}

inline void gifPut16(QByteArray& bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

// The start of a GIF89a file: the logical screen and a global colour table of
// 2^bits entries (each an 0xRRGGBB value; missing ones are black).
inline QByteArray gifHeader(QSize screen, const std::vector<std::uint32_t>& colours, int bits)
{
    QByteArray bytes("GIF89a");
    gifPut16(bytes, screen.width());
    gifPut16(bytes, screen.height());
    bytes.append(char(0x80 | ((bits - 1) << 4) | (bits - 1)));
    bytes.append('\0'); // background colour index
    bytes.append('\0'); // pixel aspect
    for (int i = 0; i < (1 << bits); ++i) {
        const std::uint32_t c = size_t(i) < colours.size() ? colours[size_t(i)] : 0;
        bytes.append(char((c >> 16) & 0xFF));
        bytes.append(char((c >> 8) & 0xFF));
        bytes.append(char(c & 0xFF));
    }
    return bytes;
}

// One frame at the screen's top left with already coded data, optionally with
// its own colour table of 2^bits entries. Frames after the first are shown
// after a delay, so a reader that went on would have work to do.
inline QByteArray gifFrame(QSize size, const QByteArray& codedData, int minCodeSize,
                           const std::vector<std::uint32_t>& localColours = {}, int bits = 0)
{
    QByteArray bytes;
    bytes.append("\x21\xF9\x04\x04\x0A\x00\x00\x00", 8); // graphic control: keep, 1/10 s
    bytes.append('\x2C');
    gifPut16(bytes, 0);
    gifPut16(bytes, 0);
    gifPut16(bytes, size.width());
    gifPut16(bytes, size.height());
    if (bits > 0) {
        bytes.append(char(0x80 | (bits - 1)));
        for (int i = 0; i < (1 << bits); ++i) {
            const std::uint32_t c = size_t(i) < localColours.size() ? localColours[size_t(i)] : 0;
            bytes.append(char((c >> 16) & 0xFF));
            bytes.append(char((c >> 8) & 0xFF));
            bytes.append(char(c & 0xFF));
        }
    } else {
        bytes.append('\0');
    }
    bytes.append(char(minCodeSize));
    bytes.append(gifSubBlocks(codedData));
    return bytes;
}

inline QByteArray gifTrailer()
{
    return QByteArray(1, '\x3B');
}

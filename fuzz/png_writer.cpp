// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes as a picture, written by the program's own PNG writer and read
// back by Qt's PNG decoder: every pixel comes back as it was, opaque.
#include <QBuffer>
#include <QImage>

#include "FuzzEntry.h"
#include "files/PngEncoder.h"

namespace {

constexpr QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                       QImage::Format_Grayscale8, QImage::Format_RGB16};

} // namespace

// The first five bytes give the width, the height, the pixel format and the
// number of parts written side by side; the rest are the pixels' bytes,
// repeated as often as the picture needs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    startQt();
    const int width = 1 + (data[0] | (data[1] & 0x03) << 8);
    const int height = 1 + data[2] % 200;
    const QImage::Format format = kFormats[data[3] % std::size(kFormats)];
    const int parts = data[4] % 5;
    const std::uint8_t* pixels = data + 5;
    const std::size_t count = size - 5;

    QImage image(width, height, format);
    FUZZ_CHECK(!image.isNull());
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (qsizetype x = 0; x < image.bytesPerLine(); ++x, ++at)
            line[x] = pixels[at % count];
    }

    QByteArray png;
    QBuffer device(&png);
    device.open(QIODevice::WriteOnly);
    FUZZ_CHECK(encodePng(image, device, parts));
    const QImage back = QImage::fromData(png, "png");
    FUZZ_CHECK(!back.isNull() && !back.hasAlphaChannel());
    FUZZ_CHECK(back.convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32));
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PictureIO.h"

#include <algorithm>
#include <functional>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include "files/PictureCheck.h"
#include "files/PngEncoder.h"

namespace {

constexpr qint64 kMaxFileBytes = qint64(kPictureMemoryLimitMb) * 1024 * 1024;
// Enough for the signature of every kind and for a BMP's file header with
// the part of its information header that fixes the size of its pixels.
constexpr qint64 kHeadBytes = 64;

enum class Rest
{
    Read,
    TooLong,
    Failed
};

// Appends the rest of `file` to `data`, reading no more than one byte past
// the size limit: a file of /proc may claim no size at all and never end.
// `expected` is the size the file claims, the size of the first read.
Rest readRest(QFile& file, QByteArray& data, qint64 expected)
{
    qint64 size = data.size();
    for (;;) {
        const qint64 room = kMaxFileBytes + 1 - size;
        if (room <= 0)
            return Rest::TooLong;
        const qint64 step = std::min(room, std::max({expected + 1 - size, size, qint64(64 * 1024)}));
        data.resize(size + step);
        const qint64 got = file.read(data.data() + size, step);
        if (got < 0)
            return Rest::Failed;
        size += got;
        data.resize(size);
        if (got == 0)
            return Rest::Read;
    }
}

bool takes(PictureKinds kinds, PictureFormat format)
{
    switch (kinds) {
    case PictureKinds::BmpJpgGif:
        return format == PictureFormat::Bmp || format == PictureFormat::Jpeg || format == PictureFormat::Gif;
    case PictureKinds::Png:
        return format == PictureFormat::Png;
    case PictureKinds::Any:
        break;
    }
    return format != PictureFormat::Unknown;
}

bool withinLimits(QSize size)
{
    return withinPictureLimits(size);
}

QImage laidOnWhite(const QImage& image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

std::optional<QImage> decode(QIODevice& device, PictureFormat format)
{
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
    QImageReader reader(&device, decoderName(format));
    if (!withinLimits(reader.size()))
        return std::nullopt;
    QImage image;
    // Run-length codes may jump over pixels or end the picture early, and
    // Qt's decoder leaves the pixels it skips as the memory held before, a
    // different picture each time. It decodes into an image of the right
    // size and format when it is given one, so it is given one whose every
    // pixel is the first colour of the table.
    if (format == PictureFormat::Bmp && !isPlainBmp(device.peek(kHeadBytes))) {
        image = QImage(reader.size(), reader.imageFormat());
        image.fill(0);
    }
    if (!reader.read(&image))
        return std::nullopt;
    // A GIF's picture comes out as large as the file's logical screen, which
    // the size read above does not include: only the decoded size is sure.
    if (image.isNull() || !withinLimits(image.size()))
        return std::nullopt;
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    if (format == PictureFormat::Png)
        return laidOnWhite(image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

bool writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool withinPictureLimits(QSize size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= kMaxPictureSide &&
           size.height() <= kMaxPictureSide && qint64(size.width()) * size.height() * 4 <= kMaxFileBytes;
}

bool writeBmp(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    return writeAtomically(path, [&image](QIODevice& device) {
        QImageWriter writer(&device, "bmp");
        return writer.write(image);
    });
}

bool writePng(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    return writeAtomically(path, [&image](QIODevice& device) { return encodePng(image, device); });
}

std::optional<QImage> readPicture(const QString& path, ReadFailure* failure, PictureKinds kinds)
{
    ReadFailure unused = ReadFailure::CannotRead;
    ReadFailure& why = failure ? *failure : unused;
    why = ReadFailure::CannotRead;
    // Only a regular file is opened: a pipe or a device named like a picture
    // could block the program or never end.
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data(kHeadBytes, Qt::Uninitialized);
    const qint64 got = file.read(data.data(), kHeadBytes);
    if (got < 0)
        return std::nullopt;
    data.resize(got);

    why = ReadFailure::NotAPicture;
    const PictureFormat format = pictureFormat(data);
    if (!takes(kinds, format) || info.size() > kMaxFileBytes)
        return std::nullopt;
    // The rows of a plain BMP take a size its header fixes, so the file's
    // size tells whether they are all there, and the decoder reads them
    // straight from the file.
    if (format == PictureFormat::Bmp && isPlainBmp(data)) {
        if (!isCompleteBmp(data, info.size()) || !file.seek(0))
            return std::nullopt;
        std::optional<QImage> picture = decode(file, format);
        if (!picture && file.error() == QFileDevice::ReadError)
            why = ReadFailure::CannotRead;
        return picture;
    }
    // Other files are read once and decoded from memory, so the checks and
    // the decoder see the same bytes.
    const Rest rest = readRest(file, data, info.size());
    if (rest == Rest::Failed)
        why = ReadFailure::CannotRead;
    if (rest != Rest::Read)
        return std::nullopt;
    return readPictureData(data, failure, kinds);
}

std::optional<QImage> readPictureData(const QByteArray& data, ReadFailure* failure, PictureKinds kinds)
{
    if (failure)
        *failure = ReadFailure::NotAPicture;
    const PictureFormat format = pictureFormat(data);
    if (!takes(kinds, format) || data.size() > kMaxFileBytes || !isCompletePicture(data, format))
        return std::nullopt;
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer, format);
}

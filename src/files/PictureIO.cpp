#include "files/PictureIO.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include "files/PictureCheck.h"

bool writeBmp(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QImage> readPicture(const QString& path)
{
    constexpr qint64 kMaxFileBytes = qint64(kPictureMemoryLimitMb) * 1024 * 1024;
    // Only a regular file is opened: a pipe or a device named like a picture
    // could block the program or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file is read once and decoded from memory, so the checks below and
    // the decoder see the same bytes.
    const QByteArray data = file.readAll();
    const PictureFormat format = pictureFormat(data);
    if (format == PictureFormat::Unknown || !isCompletePicture(data, format))
        return std::nullopt;

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kPictureMemoryLimitMb);
    QImageReader reader(&buffer, decoderName(format));
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide)
        return std::nullopt;
    const QImage image = reader.read();
    // A GIF's picture comes out as large as the file's logical screen, which
    // the size read above does not include: only the decoded size is sure.
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide)
        return std::nullopt;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/DesktopData.h"

#include <QMimeData>
#include <QUrl>

namespace {

// The kinds of picture file a clipboard may carry, in the order they are
// taken when it offers several.
constexpr const char* kPictureTypes[] = {"image/png", "image/bmp", "image/jpeg", "image/gif"};

} // namespace

QStringList droppedFiles(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || url.toLocalFile().isEmpty())
            return {};
        files << url.toLocalFile();
    }
    return files;
}

bool holdsPicture(const QMimeData* data)
{
    if (!data)
        return false;
    for (const char* type : kPictureTypes)
        if (data->hasFormat(QLatin1String(type)))
            return true;
    return data->hasImage();
}

std::optional<QImage> clipboardPicture(const QMimeData* data, ReadFailure* failure)
{
    if (!data)
        return std::nullopt;
    for (const char* type : kPictureTypes) {
        if (!data->hasFormat(QLatin1String(type)))
            continue;
        const QByteArray bytes = data->data(QLatin1String(type));
        if (!bytes.isEmpty())
            return readPictureData(bytes, failure);
    }
    if (!data->hasImage())
        return std::nullopt;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || !withinPictureLimits(image.size())) {
        if (failure)
            *failure = ReadFailure::NotAPicture;
        return std::nullopt;
    }
    return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                   : image.convertToFormat(QImage::Format_RGB32);
}

QMimeData* pictureMimeData(const QImage& page)
{
    auto* data = new QMimeData;
    data->setImageData(page);
    return data;
}

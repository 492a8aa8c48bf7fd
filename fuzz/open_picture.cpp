// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The bytes as a picture file chosen in "Abrir": the window's own open
// procedure reads it (through readForOpen(), as a file on the command line or
// dropped is read), with every check and limit, onto a page, or refuses it
// with a message and leaves the page as it was. The same bytes pasted from
// the clipboard give the same picture or the same refusal.
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include "FuzzEntry.h"
#include "ScriptedServices.h"
#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/DesktopData.h"
#include "files/PictureCheck.h"
#include "files/PictureFiles.h"
#include "files/PictureIO.h"

namespace {

// Named as a user's file of that kind would be, so that each kind the open
// takes reaches its decoder; bytes of no kind go under a BMP name.
struct Kind
{
    const char* name;
    const char* mimeType;
};

Kind kindOf(const QByteArray& bytes)
{
    switch (pictureFormat(bytes)) {
    case PictureFormat::Jpeg:
        return {"foto.jpg", "image/jpeg"};
    case PictureFormat::Gif:
        return {"dibujo.gif", "image/gif"};
    case PictureFormat::Png:
        return {"dibujo.png", "image/png"};
    case PictureFormat::Bmp:
    case PictureFormat::Unknown:
        break;
    }
    return {"dibujo.bmp", "image/bmp"};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQt();
    static QTemporaryDir folder;
    const QByteArray bytes = inputBytes(data, size);
    const Kind kind = kindOf(bytes);
    const QString path = folder.filePath(QLatin1String(kind.name));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    ScriptedServices services;
    services.openAnswer = path;
    EditorState state;
    Surface canvas(QSize(48, 32)), page(QSize(48, 32));
    openPicture(state, canvas, page, services);

    if (services.messages.isEmpty()) {
        const QSize opened = page.picture().size();
        FUZZ_CHECK(!opened.isEmpty());
        FUZZ_CHECK(opened.width() <= kMaxPictureSide && opened.height() <= kMaxPictureSide);
        FUZZ_CHECK(qint64(opened.width()) * opened.height() * 4 <= qint64(kPictureMemoryLimitMb) * 1024 * 1024);
        FUZZ_CHECK(canvas.persistentImage() == page.persistentImage());
    } else {
        FUZZ_CHECK(services.messages.size() == 1);
        FUZZ_CHECK(services.messages[0] == QStringLiteral("El fichero seleccionado no es un gráfico soportado") ||
                   services.messages[0] == QStringLiteral("No se ha podido abrir el fichero"));
        FUZZ_CHECK(page.picture().isNull() && canvas.picture().isNull());
    }

    if (bytes.isEmpty())
        return 0; // an empty clipboard entry is no picture at all
    QMimeData clipboard;
    clipboard.setData(QLatin1String(kind.mimeType), bytes);
    ReadFailure failure = ReadFailure::CannotRead;
    const std::optional<QImage> pasted = clipboardPicture(&clipboard, &failure);
    FUZZ_CHECK(pasted.has_value() == services.messages.isEmpty());
    if (pasted) {
        Surface laid(QSize(48, 32));
        laid.setPicture(*pasted);
        FUZZ_CHECK(laid.persistentImage() == page.persistentImage());
    } else {
        FUZZ_CHECK(failure == ReadFailure::NotAPicture);
    }
    return 0;
}

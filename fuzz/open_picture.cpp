// The bytes as a picture file chosen in "Abrir": the window's own open
// procedure reads it, with every check and limit, onto a page, or refuses it
// with a message and leaves the page as it was.
#include <QFile>
#include <QTemporaryDir>

#include "FuzzEntry.h"
#include "ScriptedServices.h"
#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PictureCheck.h"
#include "files/PictureFiles.h"
#include "files/PictureIO.h"

namespace {

// Named as a user's file of that kind would be, so that each kind the open
// takes reaches its decoder; bytes of no kind go under a BMP name.
QString nameFor(const QByteArray& bytes)
{
    switch (pictureFormat(bytes)) {
    case PictureFormat::Jpeg:
        return QStringLiteral("foto.jpg");
    case PictureFormat::Gif:
        return QStringLiteral("dibujo.gif");
    case PictureFormat::Png:
        return QStringLiteral("dibujo.png");
    case PictureFormat::Bmp:
    case PictureFormat::Unknown:
        break;
    }
    return QStringLiteral("dibujo.bmp");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQt();
    static QTemporaryDir folder;
    const QByteArray bytes = inputBytes(data, size);
    const QString path = folder.filePath(nameFor(bytes));
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
    return 0;
}

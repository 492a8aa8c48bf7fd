// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PictureFiles.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "canvas/Surface.h"
#include "files/PictureIO.h"

namespace {

QString overwriteQuestion(const QString& fileName)
{
    return QStringLiteral("El fichero %1 ya existe. ¿Quieres reemplazarlo?").arg(fileName);
}

QString saveFailedMessage()
{
    return QStringLiteral("No se ha podido guardar el dibujo");
}

QString notAPictureMessage()
{
    return QStringLiteral("El fichero seleccionado no es un gráfico soportado");
}

QString cannotReadMessage()
{
    return QStringLiteral("No se ha podido abrir el fichero");
}

} // namespace

QString bmpFileName(const QString& chosen)
{
    if (chosen.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".bmp");
}

bool isPngName(const QString& chosen)
{
    return chosen.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

QString savedFileName(const QString& chosen)
{
    return isPngName(chosen) ? chosen : bmpFileName(chosen);
}

std::optional<PictureKinds> kindsForName(const QString& name)
{
    const QString ending = name.right(3).toUpper();
    if (ending == QStringLiteral("JPG") || ending == QStringLiteral("GIF") || ending == QStringLiteral("BMP"))
        return PictureKinds::BmpJpgGif;
    if (ending == QStringLiteral("PNG"))
        return PictureKinds::Png;
    return std::nullopt;
}

bool isPictureName(const QString& name)
{
    return kindsForName(name).has_value();
}

QString chooseStartFolder(const QString& programFolder, const QString& picturesFolder,
                          const QString& homeFolder)
{
    // An installed program's folder belongs to the system; a drawing saved
    // there would fail, so the dialogs start where the user keeps pictures.
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return programFolder;
    if (!picturesFolder.isEmpty() && QFileInfo(picturesFolder).isDir())
        return picturesFolder;
    return homeFolder;
}

QString startFolder()
{
    return chooseStartFolder(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                             QDir::homePath());
}

FileDialogSpec saveDialogSpec()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Guardar como  ");
    spec.filters =
        QStringList{QStringLiteral("Archivo gráfico (*.bmp)"), QStringLiteral("Imágenes PNG (*.png)")};
    spec.startFolder = startFolder();
    // The program asks itself, about the name it really writes, which may be
    // the chosen one with ".bmp" added.
    spec.confirmOverwrite = false;
    spec.mustExist = false;
    return spec;
}

FileDialogSpec openDialogSpec()
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("Selecciona una imagen");
    spec.filters =
        QStringList{QStringLiteral("imágenes (*.bmp *.png)"), QStringLiteral("Todos los ficheros (*.*)")};
    spec.startFolder = startFolder();
    spec.confirmOverwrite = false;
    spec.mustExist = true;
    return spec;
}

void savePicture(EditorState& /*state*/, Surface& canvas, Surface& page, PlatformServices& services)
{
    // Reloading the canvas from the page makes what is saved the page itself,
    // without a help picture the canvas may be showing.
    canvas.setPicture(page.image());
    const std::optional<QString> chosen = services.saveFileName(saveDialogSpec());
    if (!chosen || chosen->isEmpty())
        return;
    const QString target = savedFileName(*chosen);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isDir() && !services.askYesNo(overwriteQuestion(existing.fileName())))
        return;
    canvas.setPicture(canvas.image());
    const QImage& picture = canvas.persistentImage();
    if (!(isPngName(target) ? writePng(picture, target) : writeBmp(picture, target)))
        services.inform(saveFailedMessage());
}

void openPicture(EditorState& /*state*/, Surface& canvas, Surface& page, PlatformServices& services)
{
    const std::optional<QString> chosen = services.openFileName(openDialogSpec());
    if (!chosen || chosen->isEmpty())
        return;
    const std::optional<PictureKinds> kinds = kindsForName(*chosen);
    ReadFailure failure = ReadFailure::NotAPicture;
    const std::optional<QImage> picture = kinds ? readPicture(*chosen, &failure, *kinds) : std::nullopt;
    if (!picture) {
        services.inform(failure == ReadFailure::CannotRead ? cannotReadMessage() : notAPictureMessage());
        return;
    }
    // The picture becomes the canvas's, then the page takes the very same
    // picture, so the two stay pixel for pixel alike.
    canvas.setPicture(*picture);
    page.setPicture(canvas.picture());
}

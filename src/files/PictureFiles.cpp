// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/PictureFiles.h"

#include <functional>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "files/PdfExport.h"
#include "files/PictureIO.h"
#include "files/Printing.h"

namespace {

// The texts the user reads here are translated under this name.
struct PictureFiles
{
    Q_DECLARE_TR_FUNCTIONS(PictureFiles)
};

QString overwriteQuestion(const QString& fileName)
{
    return PictureFiles::tr("El fichero %1 ya existe. ¿Quieres reemplazarlo?").arg(fileName);
}

QString saveFailedMessage()
{
    return PictureFiles::tr("No se ha podido guardar el dibujo");
}

QString cannotReadMessage()
{
    return PictureFiles::tr("No se ha podido abrir el fichero");
}

QString tooManyFilesMessage()
{
    return PictureFiles::tr("Solo hay diez páginas: los demás ficheros no se han abierto");
}

} // namespace

QString notAPictureMessage()
{
    return PictureFiles::tr("El fichero seleccionado no es un gráfico soportado");
}

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

bool isPdfName(const QString& chosen)
{
    return chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

QString savedFileName(const QString& chosen)
{
    return isPngName(chosen) || isPdfName(chosen) ? chosen : bmpFileName(chosen);
}

std::optional<PictureKinds> kindsForName(const QString& name)
{
    const QString ending = name.right(3).toUpper();
    for (const char* taken : kOpenEndings)
        if (ending == QLatin1String(taken))
            return ending == QStringLiteral("PNG") ? PictureKinds::Png : PictureKinds::BmpJpgGif;
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
    spec.title = PictureFiles::tr("Guardar como  ");
    spec.filters =
        QStringList{PictureFiles::tr("Archivo gráfico (*.bmp)"), PictureFiles::tr("Imágenes PNG (*.png)"),
                    PictureFiles::tr("Documento PDF, todas las páginas (*.pdf)")};
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
    spec.title = PictureFiles::tr("Selecciona una imagen");
    spec.filters =
        QStringList{PictureFiles::tr("imágenes (*.bmp *.png)"), PictureFiles::tr("Todos los ficheros (*.*)")};
    spec.startFolder = startFolder();
    spec.confirmOverwrite = false;
    spec.mustExist = true;
    return spec;
}

namespace {

void saveWith(Surface& canvas, const Surface& page, const std::function<std::vector<QImage>()>& pdfPages,
              PlatformServices& services)
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
    bool written = false;
    if (isPdfName(target)) {
        written = writePagesPdf(pdfPages(), canvasInches(canvas), services.paperSize(), target);
    } else {
        canvas.setPicture(canvas.image());
        const QImage& picture = canvas.persistentImage();
        written = isPngName(target) ? writePng(picture, target) : writeBmp(picture, target);
    }
    if (!written)
        services.inform(saveFailedMessage());
}

} // namespace

void savePicture(EditorState& /*state*/, Surface& canvas, Surface& page, PlatformServices& services)
{
    saveWith(
        canvas, page, [&page] { return std::vector<QImage>{page.persistentImage()}; }, services);
}

void savePicture(EditorState& state, Surface& canvas, const std::array<Surface, kPageCount>& pages,
                 PlatformServices& services)
{
    saveWith(
        canvas, pages.at(state.currentPage), [&] { return pdfPages(pages, state.currentPage); }, services);
}

OpenedFile readForOpen(const QString& path)
{
    const std::optional<PictureKinds> kinds = kindsForName(path);
    ReadFailure failure = ReadFailure::NotAPicture;
    OpenedFile opened;
    opened.picture = kinds ? readPicture(path, &failure, *kinds) : std::nullopt;
    if (!opened.picture)
        opened.refusal = failure == ReadFailure::CannotRead ? cannotReadMessage() : notAPictureMessage();
    return opened;
}

// The picture becomes the canvas's, then the page takes the very same
// picture, so the two stay pixel for pixel alike.
void placeOpened(const QImage& picture, Surface& canvas, Surface& page)
{
    canvas.setPicture(picture);
    page.setPicture(canvas.picture());
}

void openPicture(EditorState& /*state*/, Surface& canvas, Surface& page, PlatformServices& services)
{
    const std::optional<QString> chosen = services.openFileName(openDialogSpec());
    if (!chosen || chosen->isEmpty())
        return;
    const OpenedFile opened = readForOpen(*chosen);
    if (opened.picture)
        placeOpened(*opened.picture, canvas, page);
    else
        services.inform(opened.refusal);
}

OpenedPages openFilesOntoPages(const QStringList& paths, int firstPage, int currentPage, Surface& canvas,
                               std::array<Surface, kPageCount>& pages)
{
    OpenedPages result;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const int index = firstPage + int(i);
        if (index >= kPageCount) {
            result.messages << tooManyFilesMessage();
            break;
        }
        const OpenedFile opened = readForOpen(paths[i]);
        if (!opened.picture) {
            result.messages << opened.refusal;
            continue;
        }
        Surface& page = pages.at(size_t(index));
        if (index == currentPage)
            placeOpened(*opened.picture, canvas, page);
        else
            page.setPicture(*opened.picture);
        result.opened.push_back(index);
    }
    return result;
}

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "files/PictureIO.h"
#include "files/PlatformServices.h"
#include "pages/PageSwitch.h"

struct EditorState;
class Surface;

// The name a save writes to: the chosen name with ".bmp" added, unless it
// already ends in ".bmp" in any letter case ("plan" and "plan.bmp" both give
// "plan.bmp", "plan.BMP" stays as it is).
QString bmpFileName(const QString& chosen);

// Whether a save writes PNG: the chosen name ends in ".png", in any letter
// case, whichever filter the dialog showed.
bool isPngName(const QString& chosen);

// Whether a save writes every drawn page as one PDF: the chosen name ends
// in ".pdf", in any letter case, whichever filter the dialog showed.
bool isPdfName(const QString& chosen);

// The name a save writes to: a PNG or PDF name as it is, any other as a BMP
// name.
QString savedFileName(const QString& chosen);

// Which pictures open takes from a file of this name, by its last three
// characters in upper case: BMP, JPG and GIF pictures under JPG, GIF or BMP,
// a PNG picture under PNG, and none under any other. The test looks at
// nothing else, so "foto.jpeg" is refused while "xbmp" is taken.
std::optional<PictureKinds> kindsForName(const QString& name);
bool isPictureName(const QString& name);

// The endings open takes, as kindsForName() reads them.
inline constexpr std::array<const char*, 4> kOpenEndings = {"BMP", "JPG", "GIF", "PNG"};

// What open makes of a file: the picture, or the message that refuses it.
struct OpenedFile
{
    std::optional<QImage> picture;
    QString refusal;
};
OpenedFile readForOpen(const QString& path);

// The message open gives for a name it does not take or a file that holds no
// picture it takes (too large a picture among them).
QString notAPictureMessage();

// Lays an opened picture on the canvas and the current page as open does.
void placeOpened(const QImage& picture, Surface& canvas, Surface& page);

// Opens files onto the pages from `firstPage` on, one file a page, each
// through the checks, limits and messages of open; the page that is current
// (`currentPage`) is shown on the canvas as open shows it. Files beyond the
// tenth page are left out, with one message saying so. No undo step is
// recorded, as open records none.
struct OpenedPages
{
    std::vector<int> opened;
    QStringList messages;
};
OpenedPages openFilesOntoPages(const QStringList& paths, int firstPage, int currentPage, Surface& canvas,
                               std::array<Surface, kPageCount>& pages);

// The folder the file dialogs start in: the program's own folder when it can
// be written to, otherwise the user's pictures folder when there is one,
// otherwise home. Nothing is remembered from one dialog to the next.
QString startFolder();
QString chooseStartFolder(const QString& programFolder, const QString& picturesFolder,
                          const QString& homeFolder);

// What the save and open dialogs are asked to show.
FileDialogSpec saveDialogSpec();
FileDialogSpec openDialogSpec();

// Saves the current page as a BMP or PNG file, or every drawn page as one
// PDF (the first form knows only the one page, which is then the PDF's). The canvas is first reloaded from the page; then the user names the
// file, is asked before an existing file of that name is replaced, and is
// told when it could not be written, in which case nothing else changes.
void savePicture(EditorState& state, Surface& canvas, Surface& page, PlatformServices& services);
void savePicture(EditorState& state, Surface& canvas, const std::array<Surface, kPageCount>& pages,
                 PlatformServices& services);

// Opens a BMP, JPG, GIF or PNG picture chosen by the user as the whole
// content of the current page, shown on the canvas. A name that open does not
// take, a file that cannot be read, or a file that does not hold a picture it
// takes, brings a message and leaves the canvas and the page as they were.
// Opening records no undo step.
void openPicture(EditorState& state, Surface& canvas, Surface& page, PlatformServices& services);

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include "core/Colour.h"

class QImage;

// What a file dialog is asked to show: it is filled on the spot for every call
// and read back at once, so nothing is remembered between two dialogs.
struct FileDialogSpec
{
    QString title;
    // Name filters in the dialog's own form, "imágenes (*.bmp)".
    QStringList filters;
    QString startFolder;
    // The dialog itself asks before a chosen file is replaced.
    bool confirmOverwrite = false;
    // Only an existing file can be chosen.
    bool mustExist = false;
};

// The services the program takes from the desktop: file and colour dialogs,
// message boxes and the printer. Everything that talks to the desktop goes
// through this one interface, so the procedures that use it can be run with
// scripted answers.
class PlatformServices
{
  public:
    virtual ~PlatformServices() = default;

    // The chosen file name, or nothing when the dialog was cancelled.
    virtual std::optional<QString> saveFileName(const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> openFileName(const FileDialogSpec& spec) = 0;

    // The colour confirmed in the colour dialog, which starts at `initial`, or
    // nothing when it was cancelled.
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;

    // A modal question with the buttons Sí and No; true for Sí.
    virtual bool askYesNo(const QString& text) = 0;
    // A modal message with an OK button.
    virtual void inform(const QString& text) = 0;

    // Prints one page with `image` on the default printer, at `sizeInches`
    // when that fits the page. False when there is no printer that could take
    // the page; then nothing was printed.
    virtual bool print(const QImage& image, QSizeF sizeInches) = 0;
    // The paper of the default printer, A4 when there is none.
    virtual QPageSize paperSize() = 0;

    // Ends the program at once, without saving anything or asking again.
    virtual void endProgram() = 0;
};

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QStringList>

#include "files/PlatformServices.h"

// Platform services that answer from a script and keep a record of every
// question: which dialogs were shown with what, which texts the user saw and
// which pages went to the printer.
class ScriptedServices : public PlatformServices
{
  public:
    struct PrintedPage
    {
        QImage image;
        QSizeF sizeInches;
    };

    // The answers; an empty file name or colour stands for Cancel.
    std::optional<QString> saveAnswer;
    std::optional<QString> openAnswer;
    std::optional<Colour> colourAnswer;
    bool yesNoAnswer = false;
    bool printerPresent = true;
    QPageSize paper = QPageSize(QPageSize::A4);

    // What was asked.
    std::vector<FileDialogSpec> saveDialogs;
    std::vector<FileDialogSpec> openDialogs;
    std::vector<Colour> colourDialogs;
    QStringList questions;
    QStringList messages;
    std::vector<PrintedPage> printed;
    int endRequests = 0;

    std::optional<QString> saveFileName(const FileDialogSpec& spec) override
    {
        saveDialogs.push_back(spec);
        return saveAnswer;
    }
    std::optional<QString> openFileName(const FileDialogSpec& spec) override
    {
        openDialogs.push_back(spec);
        return openAnswer;
    }
    std::optional<Colour> chooseColour(Colour initial) override
    {
        colourDialogs.push_back(initial);
        return colourAnswer;
    }
    bool askYesNo(const QString& text) override
    {
        questions << text;
        return yesNoAnswer;
    }
    void inform(const QString& text) override { messages << text; }
    void endProgram() override { ++endRequests; }
    QPageSize paperSize() override { return paper; }
    bool print(const QImage& image, QSizeF sizeInches) override
    {
        if (!printerPresent)
            return false;
        printed.push_back({image, sizeInches});
        return true;
    }
};

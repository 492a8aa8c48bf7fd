// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/PlatformServices.h"

class QPrinter;
class QWidget;

// The platform services on Qt's own dialogs. The dialogs are Qt's rather than
// the desktop's, so they look and speak the same everywhere (Spanish once
// Qt's Spanish translations are installed), and each is modal over `owner`.
class QtPlatformServices : public PlatformServices
{
  public:
    explicit QtPlatformServices(QWidget* owner = nullptr) : m_owner(owner) {}

    std::optional<QString> saveFileName(const FileDialogSpec& spec) override;
    std::optional<QString> openFileName(const FileDialogSpec& spec) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    bool askYesNo(const QString& text) override;
    void inform(const QString& text) override;
    bool print(const QImage& image, QSizeF sizeInches) override;
    QPageSize paperSize() override;
    void endProgram() override;

  private:
    std::optional<QString> fileName(const FileDialogSpec& spec, bool saving);

    QWidget* m_owner;
};

// The caption of every message box.
inline constexpr char kMessageTitle[] = "Lienzo";

// Prints `image` as one page on `printer`: at `sizeInches` from the origin of
// the printable area when it fits, scaled down to fit with its proportions
// otherwise, on a landscape page when it is wider than tall. False when the
// printer cannot start or finish the page.
bool printImage(QPrinter& printer, const QImage& image, QSizeF sizeInches);

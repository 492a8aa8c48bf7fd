// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/QtPlatformServices.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/Printing.h"

namespace {

// The custom colours of the colour dialog are shared by every dialog of the
// program; they are set afresh before each one, so a colour added in one call
// is gone in the next and the first entry is always blue.
void resetCustomColours()
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, i == 0 ? QColor(Qt::blue) : QColor(Qt::white));
}

QString messageTitle()
{
    return QString::fromUtf8(kMessageTitle);
}

} // namespace

std::optional<QString> QtPlatformServices::fileName(const FileDialogSpec& spec, bool saving)
{
    QFileDialog dialog(m_owner, spec.title, spec.startFolder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(spec.filters);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

std::optional<QString> QtPlatformServices::saveFileName(const FileDialogSpec& spec)
{
    return fileName(spec, true);
}

std::optional<QString> QtPlatformServices::openFileName(const FileDialogSpec& spec)
{
    return fileName(spec, false);
}

std::optional<Colour> QtPlatformServices::chooseColour(Colour initial)
{
    resetCustomColours();
    QColorDialog dialog(toQColor(initial), m_owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

bool QtPlatformServices::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, messageTitle(), text, QMessageBox::Yes | QMessageBox::No, m_owner);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatformServices::inform(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, messageTitle(), text, QMessageBox::Ok, m_owner);
    box.exec();
}

bool QtPlatformServices::print(const QImage& image, QSizeF sizeInches)
{
    // With no printer set up Qt still hands out a printer that calls itself
    // valid; a named default printer is the sign that one can take the page.
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    printer.setDocName(messageTitle());
    return printImage(printer, image, sizeInches);
}

QPageSize QtPlatformServices::paperSize()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() || printer.printerName().isEmpty())
        return QPageSize(QPageSize::A4);
    const QPageSize size = printer.defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::A4);
}

bool printImage(QPrinter& printer, const QImage& image, QSizeF sizeInches)
{
    if (image.isNull())
        return false;
    const QRectF placed = placeOnSheet(printer, sizeInches);
    if (placed.isEmpty())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's top-left corner and its
    // unit one printer dot.
    const double dotsPerInch = printer.resolution();
    painter.drawImage(QRectF(placed.topLeft() * dotsPerInch, placed.size() * dotsPerInch), image);
    return painter.end();
}

// Leaving the event loop ends the program: nothing is saved and nothing more
// is asked.
void QtPlatformServices::endProgram()
{
    QCoreApplication::exit(0);
}

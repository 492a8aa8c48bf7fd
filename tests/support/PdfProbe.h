// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// Looks into PDF files with poppler's command-line tools, when they are
// installed: how many pages a file has and what its first page looks like.

inline bool startsAsPdf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

inline bool havePopplerTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The page count pdfinfo reports, or nothing when it cannot read the file.
inline std::optional<int> pdfPageCount(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000) || info.exitStatus() != QProcess::NormalExit || info.exitCode() != 0)
        return std::nullopt;
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

// The first page rendered at `dotsPerInch`, or a null image.
inline QImage renderFirstPage(const QString& path, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), path, prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// Page `number` (from 1) rendered at `dotsPerInch`, or a null image.
inline QImage renderPage(const QString& path, int number, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString page = QString::number(number);
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), QStringLiteral("-f"), page, QStringLiteral("-l"), page, path,
                  prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

// The smallest rectangle holding every clearly blue pixel.
inline QRect blueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > 160 && qRed(p) < 96 && qGreen(p) < 96)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

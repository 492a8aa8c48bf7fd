// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>

#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>

#include "files/PictureFiles.h"

// The desktop entry and the AppStream file name the picture types that
// "Abrir con" offers Lienzo for; they must be exactly the types whose
// endings open takes, or the desktop would hand over files open refuses.
namespace {

QString sourceFile(const char* path)
{
    QFile file(QStringLiteral(LIENZO_SOURCE_DIR "/") + QLatin1String(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::set<QString> typesOpenTakes()
{
    std::set<QString> types;
    const QMimeDatabase database;
    for (const char* ending : kOpenEndings) {
        const QString name = QStringLiteral("dibujo.") + QString::fromLatin1(ending).toLower();
        EXPECT_TRUE(isPictureName(name)) << name.toStdString();
        types.insert(database.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name());
    }
    return types;
}

} // namespace

TEST(DesktopEntryTest, TheEntryAndTheAppStreamFileListExactlyTheTypesOpenTakes)
{
    const QString entry = sourceFile("packaging/lienzo.desktop.in");
    ASSERT_FALSE(entry.isEmpty());
    const QRegularExpressionMatch mimeLine =
        QRegularExpression(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption)
            .match(entry);
    ASSERT_TRUE(mimeLine.hasMatch()) << "the desktop entry lists no MimeType";
    std::set<QString> listed;
    for (const QString& type : mimeLine.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        listed.insert(type);
    const std::set<QString> taken = typesOpenTakes();
    EXPECT_EQ(listed, taken);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Exec=lienzo %F$"), QRegularExpression::MultilineOption)
                    .match(entry)
                    .hasMatch())
        << "the desktop entry does not hand its files to lienzo";

    const QString metainfo = sourceFile("packaging/lienzo.metainfo.xml.in");
    std::set<QString> provided;
    auto it = QRegularExpression(QStringLiteral("<mediatype>([^<]*)</mediatype>")).globalMatch(metainfo);
    while (it.hasNext())
        provided.insert(it.next().captured(1));
    EXPECT_EQ(provided, taken);
}

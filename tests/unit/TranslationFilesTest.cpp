// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "app/Translations.h"

// The translation files against the Spanish texts of the code. Each language
// is one row of every table below.
namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    // The translation's type attribute: "unfinished", "obsolete", "vanished"
    // or empty for a finished one.
    QString type;
};

std::vector<Message> readMessages(const QString& path)
{
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.push_back({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source") && !messages.empty())
            messages.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString tsPath(const QString& language)
{
    return QStringLiteral(LIENZO_SOURCE_DIR "/translations/lienzo_%1.ts").arg(language);
}

// The parts of a text a translation must carry over unchanged: its
// placeholders, the names of keys, and the patterns of file filters.
QStringList keptParts(const QString& text)
{
    static const QRegularExpression parts(
        QStringLiteral(R"(%\d+|\b(?:Ctrl|Shift|Alt|Meta)\+[\w+]+|\bF\d{1,2}\b|\([*][^)]*\))"));
    QStringList found;
    for (const QRegularExpressionMatch& m : parts.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

} // namespace

// Every language the program carries has its .ts file, and every .ts file
// is carried.
TEST(TranslationFiles, EachFileIsCarriedByTheProgram)
{
    QStringList files;
    for (const QString& file : QDir(QStringLiteral(LIENZO_SOURCE_DIR "/translations"))
                                   .entryList({QStringLiteral("lienzo_*.ts")}, QDir::Files, QDir::Name))
        files << file.mid(7).chopped(3);
    EXPECT_EQ(Translations::translatedLanguages(), files);
    EXPECT_EQ(Translations::translatedLanguages(), (QStringList{"ca", "eu", "gl"}));
}

// lupdate run over the sources into a copy of each file adds any text of the
// code that the file lacks, as unfinished, and marks any text the code no
// longer has as vanished: after it, every message must be finished.
TEST(TranslationFiles, EveryTextOfTheCodeIsTranslatedAndNoneIsLeftOver)
{
    for (const QString& language : Translations::translatedLanguages()) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString copy = folder.filePath(QStringLiteral("lienzo_%1.ts").arg(language));
        ASSERT_TRUE(QFile::copy(tsPath(language), copy)) << language.toStdString();
        QProcess lupdate;
        lupdate.start(QStringLiteral(LIENZO_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-source-language"), QStringLiteral("es"),
                       QStringLiteral(LIENZO_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(60000)) << "lupdate did not finish";
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        const std::vector<Message> messages = readMessages(copy);
        EXPECT_GT(messages.size(), 50u) << language.toStdString();
        for (const Message& m : messages) {
            EXPECT_TRUE(m.type.isEmpty() && !m.translation.isEmpty())
                << language.toStdString() << ": \"" << m.source.toStdString() << "\" ("
                << m.context.toStdString() << ") is " << (m.type.isEmpty() ? "empty" : m.type.toStdString());
        }
    }
}

TEST(TranslationFiles, EachTranslationKeepsPlaceholdersLineBreaksAndKeyNames)
{
    for (const QString& language : Translations::translatedLanguages()) {
        const std::vector<Message> messages = readMessages(tsPath(language));
        ASSERT_FALSE(messages.empty()) << language.toStdString();
        for (const Message& m : messages) {
            const std::string where = language.toStdString() + ": \"" + m.source.toStdString() + "\"";
            EXPECT_EQ(keptParts(m.translation), keptParts(m.source)) << where;
            EXPECT_EQ(m.translation.count(QLatin1Char('\n')), m.source.count(QLatin1Char('\n'))) << where;
        }
    }
}

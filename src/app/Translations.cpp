// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// The translators this file installed carry this name, so that the next
// install can take them out again.
const QString kOwnName = QStringLiteral("lienzo-translator");

// The language part of an interface language: "ca" of "ca-ES", "ca_ES@valencia"
// or "ca_ES.UTF-8".
QString languagePart(const QString& uiLanguage)
{
    QString code = uiLanguage.toLower();
    const qsizetype end = code.indexOf(QRegularExpression(QStringLiteral("[-_@.]")));
    return end < 0 ? code : code.left(end);
}

bool installFile(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kOwnName);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

namespace Translations {

QStringList translatedLanguages()
{
    QStringList codes;
    const QStringList files = QDir(QStringLiteral(":/translations"))
                                  .entryList({QStringLiteral("lienzo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(7).chopped(3);
    return codes;
}

QString chooseLanguage(const QStringList& uiLanguages)
{
    const QStringList translated = translatedLanguages();
    for (const QString& uiLanguage : uiLanguages) {
        const QString code = languagePart(uiLanguage);
        if (code == QLatin1String("es"))
            break;
        if (translated.contains(code))
            return code;
    }
    return QStringLiteral("es");
}

QString systemLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages());
}

bool install(QCoreApplication& app, const QString& language)
{
    uninstall(app);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Debian ships Qt's own translation for Catalan but none for Galician or
    // Basque; their speakers read Qt's Spanish rather than its English.
    const QString qtFile = QStringLiteral("qtbase_") + language;
    const bool qtDone = (QFile::exists(qtFolder + QLatin1Char('/') + qtFile + QStringLiteral(".qm")) &&
                         installFile(app, qtFile, qtFolder)) ||
                        installFile(app, QStringLiteral("qtbase_es"), qtFolder);
    if (language == QLatin1String("es"))
        return qtDone;
    return installFile(app, QStringLiteral("lienzo_") + language, QStringLiteral(":/translations")) && qtDone;
}

void uninstall(QCoreApplication& app)
{
    for (QTranslator* translator : app.findChildren<QTranslator*>(kOwnName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace Translations

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the program speaks. Spanish is the language of its source
// texts; Catalan, Galician and Basque come from translations compiled into
// the program (translations/lienzo_<code>.ts).
namespace Translations {

// The codes of the languages the program carries a translation for ("ca",
// "eu", "gl"): those the build compiled in.
QStringList translatedLanguages();

// The language to speak for the user's interface languages in their order of
// preference (QLocale::uiLanguages(): "ca-ES", "ca", "en-US", ...): the first
// translated one, unless Spanish comes before it; Spanish when none of them
// is there. Any other language keeps the Spanish.
QString chooseLanguage(const QStringList& uiLanguages);

// The language for the desktop's settings (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QString systemLanguage();

// Makes the program and Qt's own dialogs speak `language` (a code from
// chooseLanguage): the program's translation for it, and Qt's translation of
// the same language where one is installed, Qt's Spanish otherwise. Takes
// out what an earlier call put in, so it can switch languages. False when a
// translation it needs is missing; Spanish needs none of the program's.
bool install(QCoreApplication& app, const QString& language);

// Takes out every translation install() put in: Qt's English and the Spanish
// source texts speak again.
void uninstall(QCoreApplication& app);

} // namespace Translations

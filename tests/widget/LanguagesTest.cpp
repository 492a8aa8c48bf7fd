// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>

#include "app/Artwork.h"
#include "app/Captions.h"
#include "app/MainCommand.h"
#include "app/MainWindow.h"
#include "app/Translations.h"
#include "options/PictureButton.h"
#include "recovery/DrawingKeeper.h"
#include "support/ScriptedServices.h"

// The program in each of its languages: which one an environment chooses, and
// what the window then says.
namespace {

struct Environment
{
    const char* language; // LANGUAGE
    const char* lcAll;    // LC_ALL
    const char* lang;     // LANG
};

// The language the program chooses when started in `env`.
QString chosenLanguage(const Environment& env)
{
    QProcessEnvironment system;
    system.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    const std::pair<const char*, const char*> vars[] = {
        {"LANGUAGE", env.language}, {"LC_ALL", env.lcAll}, {"LANG", env.lang}};
    for (const auto& [name, value] : vars)
        if (value)
            system.insert(QString::fromLatin1(name), QString::fromUtf8(value));
    QProcess probe;
    probe.setProcessEnvironment(system);
    probe.start(QStringLiteral(LIENZO_LANGUAGE_PROBE), {});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
        return QStringLiteral("(the probe failed)");
    return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
}

// Puts the Spanish source texts back for the tests that follow.
struct SpanishAgain
{
    ~SpanishAgain() { Translations::uninstall(*QCoreApplication::instance()); }
};

} // namespace

TEST(Languages, TheDesktopsLanguagesChooseTheProgramsOne)
{
    const struct
    {
        Environment env;
        const char* chosen;
    } rows[] = {
        {{nullptr, nullptr, "ca_ES.UTF-8"}, "ca"}, {{nullptr, nullptr, "ca_ES@valencia"}, "ca"},
        {{"gl", nullptr, "es_ES.UTF-8"}, "gl"},    {{nullptr, "eu_ES.UTF-8", "en_US.UTF-8"}, "eu"},
        {{"en:eu", nullptr, "en_US.UTF-8"}, "eu"}, {{"es:ca", nullptr, "ca_ES.UTF-8"}, "es"},
        {{nullptr, nullptr, "es_ES.UTF-8"}, "es"}, {{nullptr, nullptr, "fr_FR.UTF-8"}, "es"},
        {{nullptr, nullptr, "C"}, "es"},           {{nullptr, nullptr, nullptr}, "es"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(chosenLanguage(row.env), QString::fromLatin1(row.chosen))
            << "LANGUAGE=" << (row.env.language ? row.env.language : "")
            << " LC_ALL=" << (row.env.lcAll ? row.env.lcAll : "")
            << " LANG=" << (row.env.lang ? row.env.lang : "");
}

// In each language the window's questions, a tooltip, the save dialog and
// Qt's own buttons speak it; English desktops keep the Spanish.
TEST(Languages, TheWindowSpeaksTheLanguageItChose)
{
    const struct
    {
        const char* lang;
        const char* chosen;
        const char* exitQuestion;
        const char* recoveryQuestion;
        const char* undoTip;
        const char* saveTitle;
        const char* qtCancel;
    } rows[] = {
        {"ca_ES.UTF-8", "ca", "Vols sortir del programa",
         "S'ha trobat un dibuix sense acabar. El vols recuperar?", "Desfés ( 7 nivells ) (Ctrl+Z)",
         "Desa com a  ", "Cancel·la"},
        {"gl_ES.UTF-8", "gl", "Queres saír do programa", "Atopouse un debuxo sen rematar. Queres recuperalo?",
         "Desfacer ( 7 niveis ) (Ctrl+Z)", "Gardar como  ", "Cancelar"},
        {"eu_ES.UTF-8", "eu", "Programatik irten nahi duzu",
         "Amaitu gabeko marrazki bat aurkitu da. Berreskuratu nahi duzu?", "Desegin ( 7 maila ) (Ctrl+Z)",
         "Gorde honela  ", "Cancelar"},
        {"es_ES.UTF-8", "es", "Quieres salir del programa",
         "Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?", "Deshacer ( 7 niveles ) (Ctrl+Z)",
         "Guardar como  ", "Cancelar"},
        {"en_US.UTF-8", "es", "Quieres salir del programa",
         "Se ha encontrado un dibujo sin terminar. ¿Quieres recuperarlo?", "Deshacer ( 7 niveles ) (Ctrl+Z)",
         "Guardar como  ", "Cancelar"},
    };
    const SpanishAgain spanishAgain;
    for (const auto& row : rows) {
        const QString language = chosenLanguage({nullptr, nullptr, row.lang});
        ASSERT_EQ(language, QString::fromLatin1(row.chosen)) << row.lang;
        ASSERT_TRUE(Translations::install(*QCoreApplication::instance(), language)) << row.lang;
        QTemporaryDir state;
        ASSERT_TRUE(state.isValid());
        const QByteArray oldState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
        ScriptedServices services;
        {
            // A program that ends without its exit leaves its drawing kept.
            MainWindow crashed(QSizeF(15360, 11520), 15.0);
            crashed.state().toolMode = Tool::Line;
            crashed.canvasPressed(1, 0, 1500, 1500);
            crashed.canvasMoved(1, 0, 3000, 3000);
            crashed.canvasReleased(1, 0, 3000, 3000);
            crashed.keeper().flush();
        }
        MainWindow window(QSizeF(15360, 11520), 15.0);
        window.setPlatformServices(&services);
        window.offerRecovery();
        window.mainBarClicked(int(MainCommand::Exit));
        window.mainBarClicked(int(MainCommand::Save));
        qputenv("XDG_STATE_HOME", oldState);

        EXPECT_EQ(services.questions.join(QStringLiteral(" | ")).toStdString(),
                  std::string(row.recoveryQuestion) + " | " + row.exitQuestion)
            << row.lang;
        EXPECT_EQ(window.mainBarButton(int(MainCommand::Undo))->toolTip(), QString::fromUtf8(row.undoTip))
            << row.lang;
        ASSERT_EQ(services.saveDialogs.size(), 1u) << row.lang;
        EXPECT_EQ(services.saveDialogs[0].title, QString::fromUtf8(row.saveTitle)) << row.lang;
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(row.qtCancel))
            << row.lang;
    }
}

// The help picture prints the left bar's captions beside their icons in a
// band of fixed width; in every language each fits it whole.
TEST(Languages, EveryHelpCaptionFitsItsBand)
{
    const SpanishAgain spanishAgain;
    const QFontMetrics metrics(Artwork::helpCaptionFont());
    for (const char* language : {"es", "ca", "gl", "eu"}) {
        ASSERT_TRUE(Translations::install(*QCoreApplication::instance(), QString::fromLatin1(language)));
        QStringList captions{Captions::gridLeft(), Captions::gridRight()};
        for (int i = 0; i < 20; ++i)
            captions << Captions::mainBar(i);
        for (int i = 0; i < 4; ++i)
            captions << Captions::symmetry(i);
        for (const QString& caption : captions)
            EXPECT_LE(metrics.horizontalAdvance(caption), Artwork::helpCaptionRoom())
                << language << ": \"" << caption.toStdString() << "\"";
    }
}

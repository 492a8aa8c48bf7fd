// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "files/PictureFiles.h"
#include "files/QtPlatformServices.h"

namespace {

// Runs `answer` on the first modal dialog that opens, from the event loop of
// that dialog. A dialog that `answer` leaves open is a failure and is closed,
// so a test never hangs; when no dialog opens within ten seconds the watch
// gives up.
class DialogWatch
{
  public:
    explicit DialogWatch(std::function<void(QWidget*)> answer) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    bool answered() const { return m_answered; }

  private:
    void poll()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->isVisible()) {
            m_timer.stop();
            m_answered = true;
            QPointer<QWidget> shown(dialog);
            m_answer(dialog);
            if (shown && shown->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                shown->close();
            }
        } else if (++m_polls > 1000) {
            m_timer.stop();
        }
    }

    std::function<void(QWidget*)> m_answer;
    QTimer m_timer;
    int m_polls = 0;
    bool m_answered = false;
};

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Qt's Spanish translations for the duration of one test.
class SpanishForTheTest
{
  public:
    SpanishForTheTest()
    {
        m_loaded = m_translator.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(&m_translator);
    }
    ~SpanishForTheTest()
    {
        if (m_loaded)
            QCoreApplication::removeTranslator(&m_translator);
    }
    bool loaded() const { return m_loaded; }

  private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace

TEST(QtPlatformServices, SaveDialogShowsItsTitleFilterAndFolderAndAddsNothingToTheName)
{
    QTemporaryDir dir;
    FileDialogSpec spec = saveDialogSpec();
    spec.startFolder = dir.path();
    QtPlatformServices services;
    DialogWatch watch([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Guardar como  ");
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Archivo gráfico (*.bmp)", "Imágenes PNG (*.png)",
                                                      "Documento PDF, todas las páginas (*.pdf)"}));
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        dialog->selectFile(dir.filePath("plan"));
        // QFileDialog's accept checks the name the way its own button does.
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    const std::optional<QString> chosen = services.saveFileName(spec);
    EXPECT_TRUE(watch.answered());
    EXPECT_EQ(chosen, dir.filePath("plan"));
}

TEST(QtPlatformServices, OpenDialogTakesOnlyExistingFiles)
{
    QTemporaryDir dir;
    FileDialogSpec spec = openDialogSpec();
    spec.startFolder = dir.path();
    QtPlatformServices services;
    DialogWatch watch([&](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Selecciona una imagen");
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"imágenes (*.bmp *.png)", "Todos los ficheros (*.*)"}));
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        dialog->reject();
    });
    EXPECT_EQ(services.openFileName(spec), std::nullopt);
    EXPECT_TRUE(watch.answered());
}

TEST(QtPlatformServices, ColourDialogStartsAtTheColourWithAFreshCustomTable)
{
    // Custom colours left over from an earlier dialog are not kept.
    QColorDialog::setCustomColor(0, Qt::red);
    QColorDialog::setCustomColor(5, Qt::green);
    QtPlatformServices services;
    DialogWatch watch([&](QWidget* widget) {
        auto* dialog = qobject_cast<QColorDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), QColor(0x0A, 0x14, 0x1E));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(Qt::blue));
        for (int i = 1; i < QColorDialog::customCount(); ++i)
            EXPECT_NE(QColorDialog::customColor(i), QColor(Qt::green)) << "custom colour " << i;
        dialog->setCurrentColor(QColor(255, 0, 0));
        dialog->accept();
    });
    EXPECT_EQ(services.chooseColour(0x1E140A), std::optional<Colour>(0x0000FF));
    EXPECT_TRUE(watch.answered());
}

TEST(QtPlatformServices, CancelledColourDialogGivesNoColour)
{
    QtPlatformServices services;
    DialogWatch watch([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    EXPECT_EQ(services.chooseColour(0xFFFFFF), std::nullopt);
    EXPECT_TRUE(watch.answered());
}

TEST(QtPlatformServices, QuestionHasTitleLienzoNoIconAndSiNo)
{
    SpanishForTheTest spanish;
    EXPECT_TRUE(spanish.loaded()) << "Qt's Spanish translations (qt6-translations-l10n) are missing";
    QtPlatformServices services;
    for (const bool yes : {true, false}) {
        DialogWatch watch([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Lienzo");
            EXPECT_EQ(box->text(), "Quieres salir del programa");
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            if (spanish.loaded()) {
                EXPECT_EQ(withoutMnemonic(box->button(QMessageBox::Yes)->text()), "Sí");
                EXPECT_EQ(withoutMnemonic(box->button(QMessageBox::No)->text()), "No");
            }
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(services.askYesNo("Quieres salir del programa"), yes);
        EXPECT_TRUE(watch.answered());
    }
}

TEST(QtPlatformServices, MessageHasTitleLienzoNoIconAndOnlyOk)
{
    QtPlatformServices services;
    DialogWatch watch([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Lienzo");
        EXPECT_EQ(box->text(), "El fichero seleccionado no es un gráfico soportado");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    services.inform("El fichero seleccionado no es un gráfico soportado");
    EXPECT_TRUE(watch.answered());
}

TEST(QtPlatformServices, WithoutADefaultPrinterPrintDoesNothing)
{
    if (!QPrinterInfo::defaultPrinterName().isEmpty())
        GTEST_SKIP() << "this machine has a default printer: "
                     << QPrinterInfo::defaultPrinterName().toStdString();
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QtPlatformServices services;
    EXPECT_FALSE(services.print(image, QSizeF(0.3125, 0.2083)));
}

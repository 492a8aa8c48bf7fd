// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QThread>

#include "files/QtPlatformServices.h"
#include "support/PdfProbe.h"

namespace {

const QString kQueue = QStringLiteral("LienzoTest");
const QString kBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kModel = QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd");
const QString kCupsPdfConfig = QStringLiteral("/etc/cups/cups-pdf.conf");

struct Run
{
    int exitCode = -1;
    QString output;
};

// The CUPS tools live in sbin, which is not always on the PATH.
QString toolPath(const QString& name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
}

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(toolPath(program), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return Run();
    return Run{process.exitCode(), QString::fromUtf8(process.readAll())};
}

bool schedulerRunning()
{
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).output.contains("scheduler is running");
}

QString defaultDestination()
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("system default destination: (\\S+)"))
            .match(run(QStringLiteral("lpstat"), {QStringLiteral("-d")}).output);
    return match.hasMatch() ? match.captured(1) : QString();
}

// Where cups-pdf puts the PDFs of the printing user: its `Out` setting, with
// ${HOME} and ${USER} filled in.
QString pdfFolder()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile config(kCupsPdfConfig);
    if (config.open(QIODevice::ReadOnly)) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^Out\\s+(\\S+)"), QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(config.readAll()));
        if (match.hasMatch())
            out = match.captured(1);
    }
    out.replace(QStringLiteral("${HOME}"), QDir::homePath());
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(qgetenv("USER")));
    return out;
}

QSet<QString> pdfsIn(const QString& folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// A cups-pdf queue made the default printer for one test: the scheduler is
// started when it is not running, and everything is put back afterwards.
class CupsPdfQueue
{
  public:
    ~CupsPdfQueue()
    {
        if (m_added)
            run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kQueue});
        if (!m_oldDefault.isEmpty())
            run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), m_oldDefault});
        if (m_scheduler.state() != QProcess::NotRunning) {
            m_scheduler.terminate();
            m_scheduler.waitForFinished(10000);
        }
    }

    // Empty when the queue is ready, otherwise why it is not.
    QString setUp()
    {
        if (!schedulerRunning()) {
            m_scheduler.start(toolPath(QStringLiteral("cupsd")), {QStringLiteral("-f")});
            if (!m_scheduler.waitForStarted(10000))
                return QStringLiteral("cupsd did not start");
            const QDeadlineTimer deadline(15000);
            while (!schedulerRunning() && !deadline.hasExpired())
                QThread::msleep(200);
            if (!schedulerRunning())
                return QStringLiteral("cupsd did not come up");
        }
        m_oldDefault = defaultDestination();
        const Run added = run(QStringLiteral("lpadmin"),
                              {QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                               QStringLiteral("cups-pdf:/"), QStringLiteral("-m"), kModel});
        m_added = added.exitCode == 0;
        if (!m_added)
            return QStringLiteral("lpadmin could not add the queue: ") + added.output;
        if (run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kQueue}).exitCode != 0 ||
            defaultDestination() != kQueue)
            return QStringLiteral("the queue could not be made the default");
        return QString();
    }

  private:
    QProcess m_scheduler;
    QString m_oldDefault;
    bool m_added = false;
};

// Waits up to 30 seconds for a PDF that is not in `before` to appear in
// `folder` and be whole enough for pdfinfo; its path, or empty.
QString waitForNewPdf(const QString& folder, const QSet<QString>& before)
{
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        for (const QString& name : pdfsIn(folder) - before) {
            const QString path = QDir(folder).filePath(name);
            if (pdfPageCount(path).has_value())
                return path;
        }
        QThread::msleep(250);
    }
    return QString();
}

} // namespace

TEST(CupsPrint, TheDefaultPrinterReceivesOnePageWithTheCanvasAtItsTrueSize)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "adding a printer queue needs root";
    for (const char* tool : {"cupsd", "lpadmin", "lpstat"})
        if (toolPath(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed (package cups)";
    if (!QFile::exists(kBackend))
        GTEST_SKIP() << "the cups-pdf backend is not installed (package printer-driver-cups-pdf)";
    if (!havePopplerTools())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are needed to read the printed PDF";

    CupsPdfQueue queue;
    const QString problem = queue.setUp();
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();

    // The printer is created only now, after the queue exists.
    const QString folder = pdfFolder();
    const QSet<QString> before = pdfsIn(folder);
    QImage canvas(300, 150, QImage::Format_RGB32);
    canvas.fill(qRgb(0, 0, 255));
    QtPlatformServices services;
    // 300 x 150 pixels of 15 twips are 3.125 x 1.5625 inches.
    ASSERT_TRUE(services.print(canvas, QSizeF(3.125, 1.5625)));

    const QString pdf = waitForNewPdf(folder, before);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF appeared in " << folder.toStdString() << " within 30 s";
    EXPECT_EQ(pdfPageCount(pdf), 1);
    // Rendered at 96 dots per inch the picture is 300 x 150 dots again. The
    // printer turns a landscape page onto its upright sheet, so the picture
    // may come turned a quarter.
    const QRect blue = blueBounds(renderFirstPage(pdf, 96));
    EXPECT_NEAR(std::max(blue.width(), blue.height()), 300, 3);
    EXPECT_NEAR(std::min(blue.width(), blue.height()), 150, 3);
    QFile::remove(pdf);
}

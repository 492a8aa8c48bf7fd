// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "e2e/XServer.h"

#include "app/Captions.h"
#include "options/PaletteStrip.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

QString freeDisplay()
{
    for (int n = 90; n < 190; ++n)
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    return QStringLiteral(":189");
}

QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    p.waitForFinished(20000);
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

XSession::XSession(QSize screen) : m_display(freeDisplay())
{
    m_server.start(QStringLiteral("Xvfb"),
                   {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    QStringLiteral("-dpi"), QStringLiteral("96"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp")});
    m_server.waitForStarted(10000);
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(m_display.mid(1));
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
        QThread::msleep(50);
}

XSession::~XSession()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(5000);
    }
    m_server.terminate();
    if (!m_server.waitForFinished(5000))
        m_server.kill();
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    // The program keeps its drawing, settings and data in the session's own
    // folders, never in another test's or the user's.
    env.insert(QStringLiteral("XDG_STATE_HOME"), stateHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    // The program speaks the language the test sets, whatever the desktop
    // running the tests speaks.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), m_lang);
    return env;
}

void XSession::killProgram()
{
    m_program.kill();
    m_program.waitForFinished(5000);
}

bool XSession::startProgram(const QStringList& arguments)
{
    m_program.setProcessEnvironment(environment());
    m_program.start(QStringLiteral(LIENZO_BINARY), arguments);
    if (!m_program.waitForStarted(10000))
        return false;
    m_windowId = run(QStringLiteral("timeout"),
                     {QStringLiteral("20"), QStringLiteral("xdotool"), QStringLiteral("search"),
                      QStringLiteral("--sync"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                      QStringLiteral("^Lienzo$")},
                     environment())
                     .section(QLatin1Char('\n'), 0, 0);
    return !m_windowId.isEmpty();
}

void XSession::waitForFirstPaint() const
{
    // The palette strip stands at (80, 8) on a 96-dpi screen.
    const QPoint red = QPoint(80, 8) + PaletteStrip::swatchCentre(2);
    screenshotWhen([&](const QImage& shot) { return (shot.pixel(red) & 0xFFFFFF) == 0xFF0000; });
}

void XSession::click(QPoint p) const
{
    moveTo(p);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(150);
}

QPoint XSession::mainBarButton(int index)
{
    for (size_t row = 0; row < Captions::mainBarRows.size(); ++row)
        for (int column = 0; column < 2; ++column)
            if (Captions::mainBarRows[row][size_t(column)] == index)
                return QPoint((column == 0 ? 120 : 600) / 15 + 16, Captions::mainBarRowTops[row] / 15 + 16);
    return {};
}

bool XSession::programRunning() const
{
    return m_program.state() == QProcess::Running;
}

QString XSession::xdotool(const QStringList& arguments) const
{
    return run(QStringLiteral("xdotool"), arguments, environment());
}

void XSession::moveTo(QPoint p) const
{
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    QThread::msleep(60);
}

void XSession::drag(const QList<QPoint>& points) const
{
    moveTo(points.first());
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    QThread::msleep(60);
    for (QPoint p : points.mid(1))
        moveTo(p);
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QThread::msleep(300);
}

QImage XSession::screenshot() const
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shot.png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}, environment());
    QImage image(path);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage XSession::screenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    QImage shot = screenshot();
    while (!ready(shot) && clock.elapsed() < timeoutMs) {
        QThread::msleep(100);
        shot = screenshot();
    }
    return shot;
}

QRect XSession::windowGeometry() const
{
    // xdotool prints "Position: X,Y (screen: 0)" and "Geometry: WxH".
    const QString text = xdotool({QStringLiteral("getwindowgeometry"), m_windowId});
    const QString position = text.section(QStringLiteral("Position: "), 1).section(QLatin1Char(' '), 0, 0);
    const QString size = text.section(QStringLiteral("Geometry: "), 1).section(QLatin1Char('\n'), 0, 0);
    return QRect(position.section(QLatin1Char(','), 0, 0).toInt(),
                 position.section(QLatin1Char(','), 1, 1).toInt(),
                 size.section(QLatin1Char('x'), 0, 0).toInt(), size.section(QLatin1Char('x'), 1, 1).toInt());
}

QStringList XSession::windowsNamed(const QString& pattern) const
{
    return xdotool(
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool XSession::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    return condition();
}

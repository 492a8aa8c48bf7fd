// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A virtual X server with the program running on it, for one test.
class XSession
{
  public:
    // Starts Xvfb with a screen of the given size at 96 dpi.
    explicit XSession(QSize screen = QSize(1280, 1024));
    ~XSession();

    // Starts the program with `arguments`, again after it ended if need be;
    // every start in one session shares the session's state, settings and
    // data folders.
    bool startProgram(const QStringList& arguments = {});
    // The LANG the program starts with; with no other language variable set,
    // it alone chooses the program's language (C.UTF-8, Spanish, unless set).
    void setLang(const QString& lang) { m_lang = lang; }
    // Ends the program the hard way (SIGKILL), as a crash or a power cut would.
    void killProgram();
    // The session's own XDG_STATE_HOME.
    QString stateHome() const { return m_home.filePath(QStringLiteral("state")); }
    // Waits until the program has painted its window: on a 96-dpi screen the
    // palette's red swatch shows.
    void waitForFirstPaint() const;
    // A left click at p, with a pause for the program to take it.
    void click(QPoint p) const;
    // The centre of main bar button `index`, in screen pixels at 96 dpi.
    static QPoint mainBarButton(int index);
    bool programRunning() const;
    // The X display's name (":90") and the program window's id.
    QString display() const { return m_display; }
    QString windowId() const { return m_windowId; }

    // Runs xdotool with the arguments; returns its standard output.
    QString xdotool(const QStringList& arguments) const;
    void moveTo(QPoint p) const;
    // A drag with the left button through the points, pausing between moves so
    // that none is merged away.
    void drag(const QList<QPoint>& points) const;
    QImage screenshot() const;
    // Takes screenshots until one satisfies `ready` or the time runs out, and
    // returns the last one: the program paints when its event loop gets to
    // it, not when xdotool returns.
    QImage screenshotWhen(const std::function<bool(const QImage&)>& ready, int timeoutMs = 5000) const;
    QRect windowGeometry() const;
    // The visible windows whose name matches `pattern`.
    QStringList windowsNamed(const QString& pattern) const;
    // Runs the event loop until `condition` holds or the time runs out;
    // whether it holds.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 8000);

    // The environment the program runs in: the session's display and
    // folders.
    QProcessEnvironment environment() const;

  private:
    QTemporaryDir m_home;
    QString m_display;
    QProcess m_server;
    QProcess m_program;
    QString m_windowId;
    QString m_lang = QStringLiteral("C.UTF-8");
};

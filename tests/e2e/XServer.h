#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

// A virtual X server with the program running on it, for one test.
class XSession
{
  public:
    // Starts Xvfb with a screen of the given size at 96 dpi.
    explicit XSession(QSize screen = QSize(1280, 1024));
    ~XSession();

    bool startProgram();
    bool programRunning() const;

    // Runs xdotool with the arguments; returns its standard output.
    QString xdotool(const QStringList& arguments) const;
    void moveTo(QPoint p) const;
    // A drag with the left button through the points, pausing between moves so
    // that none is merged away.
    void drag(const QList<QPoint>& points) const;
    QImage screenshot() const;
    QRect windowGeometry() const;

  private:
    QProcessEnvironment environment() const;

    QString m_display;
    QProcess m_server;
    QProcess m_program;
    QString m_windowId;
};

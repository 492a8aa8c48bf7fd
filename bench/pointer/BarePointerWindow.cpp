// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor the whole program's CPU per pointer move is read against: a bare
// Qt window the size of the screen that follows the pointer and does nothing
// else, or with --paint repaints a small square at every move, as a program
// that paints each move does at the least.

#include <cstring>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class BarePointerWindow : public QWidget
{
  public:
    explicit BarePointerWindow(bool paints) : m_paints(paints)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        for (const QRect& r : event->region())
            p.fillRect(r, Qt::red);
        p.fillRect(square(m_pointer), Qt::black);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint to = event->position().toPoint();
        if (m_paints) {
            update(square(m_pointer));
            update(square(to));
        }
        m_pointer = to;
    }

  private:
    static QRect square(QPoint centre) { return QRect(centre - QPoint(10, 10), QSize(21, 21)); }

    bool m_paints;
    QPoint m_pointer{-100, -100};
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BarePointerWindow window(argc > 1 && std::strcmp(argv[1], "--paint") == 0);
    window.setWindowTitle(QStringLiteral("BarePointer"));
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.show();
    return app.exec();
}

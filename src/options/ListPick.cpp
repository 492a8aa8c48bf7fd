// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/ListPick.h"

#include <utility>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Watches the list and the box. A release or an Enter in the open list marks
// a pick, which the box then reports, within the same event, as activated;
// anything typed into the box or leaving it clears the mark first, so that
// the activations Qt makes of them are told apart. The list's own filter
// (Qt's, installed before this one) runs after this one and makes the pick.
class ListPickFilter : public QObject
{
  public:
    ListPickFilter(QComboBox* box, std::function<void()> picked) : QObject(box), m_picked(std::move(picked))
    {
        QAbstractItemView* list = box->view();
        m_list = list;
        m_viewport = list->viewport();
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        box->installEventFilter(this);
        if (box->lineEdit())
            box->lineEdit()->installEventFilter(this);
        connect(box, &QComboBox::activated, this, [this] {
            if (std::exchange(m_picking, false))
                m_picked();
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only pointers are compared: the filter still hears the list's
        // widgets while they are being destroyed, when they can no longer be
        // asked for anything.
        const bool inList = watched == m_list || watched == m_viewport;
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (inList)
                m_picking = true;
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            m_picking = inList && (key == Qt::Key_Return || key == Qt::Key_Enter);
            break;
        }
        case QEvent::FocusOut:
            // The list takes the focus from the box while it is open, and
            // gives it back before its pick is reported.
            if (!inList)
                m_picking = false;
            break;
        case QEvent::Show:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            m_picking = false;
            break;
        default:
            break;
        }
        return false;
    }

  private:
    std::function<void()> m_picked;
    const QObject* m_list = nullptr;
    const QObject* m_viewport = nullptr;
    bool m_picking = false;
};

} // namespace

void onListPick(QComboBox* box, std::function<void()> picked)
{
    new ListPickFilter(box, std::move(picked));
}

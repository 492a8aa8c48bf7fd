// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QKeySequence>
#include <QString>

#include "app/MainCommand.h"

// The keys of the main window. Each runs the handler its button runs; redo,
// the page steps, copy and paste have keys and no button.
namespace Shortcuts {

struct MainBarKey
{
    MainCommand command;
    QKeyCombination keys;
};

inline constexpr std::array<MainBarKey, 5> mainBar = {{
    {MainCommand::Open, Qt::CTRL | Qt::Key_O},
    {MainCommand::Save, Qt::CTRL | Qt::Key_S},
    {MainCommand::Print, Qt::CTRL | Qt::Key_P},
    {MainCommand::Undo, Qt::CTRL | Qt::Key_Z},
    {MainCommand::Help, QKeyCombination(Qt::Key_F1)},
}};

inline constexpr std::array<QKeyCombination, 2> redo = {Qt::CTRL | Qt::Key_Y,
                                                        Qt::CTRL | Qt::SHIFT | Qt::Key_Z};
inline constexpr QKeyCombination nextPage = Qt::CTRL | Qt::Key_PageDown;
inline constexpr QKeyCombination previousPage = Qt::CTRL | Qt::Key_PageUp;
// The desktop's clipboard: the current page out, a picture in.
inline constexpr QKeyCombination copy = Qt::CTRL | Qt::Key_C;
inline constexpr QKeyCombination paste = Qt::CTRL | Qt::Key_V;

// Whether a key pressed is one of the window's keys.
bool isWindowKey(QKeyCombination pressed);

// The tooltip of a main-bar button: its caption, followed by its key in
// brackets when it has one ("Deshacer ( 7 niveles ) (Ctrl+Z)").
QString mainBarTip(int index);

} // namespace Shortcuts

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Shortcuts.h"

#include "app/Captions.h"

namespace Shortcuts {

bool isWindowKey(QKeyCombination pressed)
{
    // A Page Down on the keypad is the same key as the other.
    const QKeyCombination key(pressed.keyboardModifiers() & ~Qt::KeypadModifier, pressed.key());
    for (const MainBarKey& k : mainBar)
        if (k.keys == key)
            return true;
    return key == redo[0] || key == redo[1] || key == nextPage || key == previousPage || key == copy ||
           key == paste;
}

QString mainBarTip(int index)
{
    const QString caption = Captions::mainBar(index);
    for (const MainBarKey& k : mainBar)
        if (int(k.command) == index)
            return caption + QStringLiteral(" (") +
                   QKeySequence(k.keys).toString(QKeySequence::PortableText) + QLatin1Char(')');
    return caption;
}

} // namespace Shortcuts

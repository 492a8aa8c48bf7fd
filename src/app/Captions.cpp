// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Captions.h"

#include <QCoreApplication>

namespace {

QString translated(const char* source)
{
    return QCoreApplication::translate("Captions", source);
}

} // namespace

namespace Captions {

QString mainBar(int index)
{
    return translated(mainBarSource.at(size_t(index)));
}

QString gridLeft()
{
    return translated(gridLeftSource);
}

QString gridRight()
{
    return translated(gridRightSource);
}

QString symmetry(int index)
{
    return translated(symmetrySource.at(size_t(index)));
}

} // namespace Captions

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QString>
#include <QtGlobal>

// The captions of the buttons at the left edge. The help picture prints them
// beside the icons and the buttons carry them as tooltips and accessible
// names, both from this one table. The tables hold the Spanish source texts;
// the functions give them in the language the program speaks.
namespace Captions {

// Main command bar, by button index.
inline constexpr std::array<const char*, 20> mainBarSource = {
    QT_TRANSLATE_NOOP("Captions", "Recuperar un dibujo"),
    QT_TRANSLATE_NOOP("Captions", "Guarda el dibujo"),
    QT_TRANSLATE_NOOP("Captions", "Dibuja una línea recta"),
    QT_TRANSLATE_NOOP("Captions", "Línea formada por círculos"),
    QT_TRANSLATE_NOOP("Captions", "Dibuja una línea manteniendo"),
    QT_TRANSLATE_NOOP("Captions", "El cursor se mueve por los puntos de rejilla"),
    QT_TRANSLATE_NOOP("Captions", "El cursor se mueve libremente"),
    QT_TRANSLATE_NOOP("Captions", "Selección del grosor de la línea"),
    QT_TRANSLATE_NOOP("Captions", "Circunferencia, elipse, arco"),
    QT_TRANSLATE_NOOP("Captions", "Imprime el dibujo"),
    QT_TRANSLATE_NOOP("Captions", "Dibujo de un rectángulo"),
    QT_TRANSLATE_NOOP("Captions", "Relleno de color"),
    QT_TRANSLATE_NOOP("Captions", "Dibuja un polígono"),
    QT_TRANSLATE_NOOP("Captions", "Deshacer ( 7 niveles )"),
    QT_TRANSLATE_NOOP("Captions", "Borra el dibujo"),
    QT_TRANSLATE_NOOP("Captions", "Salir del programa"),
    QT_TRANSLATE_NOOP("Captions", "Escribe texto"),
    QT_TRANSLATE_NOOP("Captions", "Selección de color"),
    QT_TRANSLATE_NOOP("Captions", "Goma de borrar"),
    QT_TRANSLATE_NOOP("Captions", "Ayuda"),
};

inline constexpr const char* gridLeftSource = QT_TRANSLATE_NOOP("Captions", "Diferentes tipos de rejilla");
inline constexpr const char* gridRightSource =
    QT_TRANSLATE_NOOP("Captions", "El ratón se mueve por los puntos de la rejilla");

inline constexpr std::array<const char*, 4> symmetrySource = {
    QT_TRANSLATE_NOOP("Captions", "Anula las tres simetrías"),
    QT_TRANSLATE_NOOP("Captions", "Dibuja simetría horizontal"),
    QT_TRANSLATE_NOOP("Captions", "Simetría vertical"),
    QT_TRANSLATE_NOOP("Captions", "Dibuja simetría horizontal+vertical"),
};

// The captions in the program's language.
QString mainBar(int index);
QString gridLeft();
QString gridRight();
QString symmetry(int index);

// The main command bar's rows, top to bottom, as (left column, right column)
// button indexes.
inline constexpr std::array<std::array<int, 2>, 10> mainBarRows = {{
    {0, 1},
    {2, 4},
    {3, 7},
    {8, 12},
    {10, 11},
    {13, 16},
    {14, 18},
    {19, 17},
    {9, 15},
    {5, 6},
}};

// Row tops in twips, matching mainBarRows.
inline constexpr std::array<int, 10> mainBarRowTops = {120,  600,  1080, 1560, 2040,
                                                       2520, 3000, 3480, 3960, 4560};

} // namespace Captions

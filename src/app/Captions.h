// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QString>

// The Spanish captions of the buttons at the left edge. The help picture prints
// them beside the icons and the buttons carry them as tooltips and accessible
// names, both from this one table.
namespace Captions {

// Main command bar, by button index.
inline const std::array<QString, 20> mainBar = {
    QStringLiteral("Recuperar un dibujo"),
    QStringLiteral("Guarda el dibujo"),
    QStringLiteral("Dibuja una línea recta"),
    QStringLiteral("Línea formada por círculos"),
    QStringLiteral("Dibuja una línea manteniendo"),
    QStringLiteral("El cursor se mueve por los puntos de rejilla"),
    QStringLiteral("El cursor se mueve libremente"),
    QStringLiteral("Selección del grosor de la línea"),
    QStringLiteral("Circunferencia, elipse, arco"),
    QStringLiteral("Imprime el dibujo"),
    QStringLiteral("Dibujo de un rectángulo"),
    QStringLiteral("Relleno de color"),
    QStringLiteral("Dibuja un polígono"),
    QStringLiteral("Deshacer ( 7 niveles )"),
    QStringLiteral("Borra el dibujo"),
    QStringLiteral("Salir del programa"),
    QStringLiteral("Escribe texto"),
    QStringLiteral("Selección de color"),
    QStringLiteral("Goma de borrar"),
    QStringLiteral("Ayuda"),
};

inline const QString gridLeft = QStringLiteral("Diferentes tipos de rejilla");
inline const QString gridRight = QStringLiteral("El ratón se mueve por los puntos de la rejilla");

inline const std::array<QString, 4> symmetry = {
    QStringLiteral("Anula las tres simetrías"),
    QStringLiteral("Dibuja simetría horizontal"),
    QStringLiteral("Simetría vertical"),
    QStringLiteral("Dibuja simetría horizontal+vertical"),
};

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

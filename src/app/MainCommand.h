// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The buttons of the main command bar, by their index in the bar.
enum class MainCommand
{
    Open = 0,
    Save = 1,
    Line = 2,
    Dots = 3,
    Freehand = 4,
    SnapOn = 5,
    SnapOff = 6,
    WidthStep = 7,
    Curve = 8,
    Print = 9,
    Rectangle = 10,
    Fill = 11,
    Polygon = 12,
    Undo = 13,
    Clear = 14,
    Exit = 15,
    Text = 16,
    Colour = 17,
    Eraser = 18,
    Help = 19,
};

// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QComboBox;

// Runs `picked` when the user picks an item from the box's open list (a click
// on an item, or Enter on one), and at no other time. Qt reports more than
// that as the box's activation: Enter in the box's text, leaving the box, the
// arrow keys and the wheel, whenever the text then matches an item. Those
// are typing, and run nothing: the box's text is read where it is used.
void onListPick(QComboBox* box, std::function<void()> picked);

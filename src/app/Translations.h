// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Loads Qt's own Spanish translations, so that the standard dialogs and their
// buttons ("Sí", "No", "Abrir", "Cancelar") speak the program's language.
// Returns false when the translation files are not installed.
bool installSpanishTranslations(QCoreApplication& app);

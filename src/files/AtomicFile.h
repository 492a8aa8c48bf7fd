// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` so that the file is always either its old self or
// the new one whole: they go to a temporary file beside it, which is flushed
// to the disk and only then renamed over the target. A power cut at any point
// leaves the last complete version. False on any failure, with the system's
// reason in `error` when given; the temporary file is then removed.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The name of the temporary file that writeFileAtomically() fills for `path`.
QString atomicTemporaryName(const QString& path);

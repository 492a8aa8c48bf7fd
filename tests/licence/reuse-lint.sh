#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the repository says who holds its copyright and under which
# licence, as `reuse lint` checks; exits 77 (skipped) when reuse is not
# installed or the sources are not a git checkout (reuse then cannot tell
# the build's own files from the sources). A file without a header gets one
# from scripts/spdx-headers.
#   reuse-lint.sh SOURCE_DIR
set -uo pipefail
src=$1
if ! command -v reuse >/dev/null; then
    echo "SKIP: reuse is not installed (scripts/setup installs it)"
    exit 77
fi
if ! git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "SKIP: $src is not a git checkout"
    exit 77
fi
reuse --root "$src" lint
status=$?
[ $status -eq 0 ] || echo "FAIL: run scripts/spdx-headers, or cover the file in .reuse/dep5"
exit $status

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the installed desktop entry and AppStream metadata with the
# freedesktop tools; exits 77 (skipped) when a tool is not installed.
#   validate-metadata.sh ROOT APP_ID
set -uo pipefail
root=$1 id=$2
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup installs desktop-file-utils and appstream)"
        exit 77
    fi
done

failures=0
desktop="$root/usr/share/applications/$id.desktop"
# desktop-file-validate fails only on errors; warnings count as failures here
# too. Hints (such as being listed under two main categories on purpose) pass.
report=$(desktop-file-validate "$desktop" 2>&1)
status=$?
echo "$report"
if [ $status -ne 0 ] || grep -qE ': (error|warning):' <<<"$report"; then
    echo "FAIL: desktop-file-validate found problems in $desktop"
    failures=$((failures + 1))
fi

# --strict fails on every issue above the pedantic level; --no-net keeps the
# check offline.
if ! appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$id.metainfo.xml"; then
    echo "FAIL: appstreamcli found problems in the metadata"
    failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]

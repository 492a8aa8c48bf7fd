#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs lintian on the Debian package that package_deb_starts built and fails
# on any error or warning it reports (its notes for information are printed
# and pass); exits 77 (skipped) when lintian or dpkg-dev is not installed.
# First it checks what lintian leaves alone in a package without its source:
# that the changelog's latest entry is the package's version.
#   check-lintian.sh PACKAGE.deb
set -uo pipefail
deb=$1
for tool in dpkg-deb dpkg-parsechangelog; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup installs dpkg-dev)"
        exit 77
    fi
done
[ -f "$deb" ] || { echo "FAIL: no package at $deb"; exit 1; }

version=$(dpkg-deb -f "$deb" Version)
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/lienzo/changelog.gz | gzip -dc)
latest=$(dpkg-parsechangelog -l- -SVersion <<<"$changelog")
if [ "$latest" != "$version" ]; then
    echo "FAIL: the changelog's latest entry is for ${latest:-nothing}, the package is $version" \
        "(add an entry to packaging/changelog)"
    exit 1
fi

if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (scripts/setup installs it)"
    exit 77
fi
lintian --fail-on error,warning --display-info "$deb"
status=$?
[ $status -eq 0 ] || echo "FAIL: lintian reports errors or warnings on $deb"
exit $status

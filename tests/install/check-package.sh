#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with cpack into a scratch folder, checks its
# control fields, unpacks it into a scratch root with dpkg -x and starts the
# unpacked program on Qt's offscreen platform.
#   check-package.sh BUILD_DIR WORK_DIR VERSION APP_ID
set -uo pipefail
build=$1 work=$2 version=$3 id=$4
for tool in cpack dpkg-deb dpkg-shlibdeps file timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/setup installs dpkg-dev and file)"
        exit 77
    fi
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack did not build the package"
    exit 1
fi
deb="$work/out/lienzo_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no package named $deb"; exit 1; }

dpkg-deb -I "$deb"
[ "$(dpkg-deb -f "$deb" Package)" = "lienzo" ] || fail "the package is not called lienzo"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = "graphics" ] || fail "the package's section is not graphics"

# Depends must name every runtime package, and shlibdeps must have added the
# C library it finds in every program.
depends=$(dpkg-deb -f "$deb" Depends)
names=" $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//' | tr -d ' ' | tr '\n' ' ')"
for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libqt6svg6 \
    qt6-translations-l10n fonts-liberation libc6 libstdc++6; do
    [[ "$names" == *" $p "* ]] || fail "Depends does not name $p: $depends"
done

dpkg -x "$deb" "$work/root" || fail "dpkg -x could not unpack the package"
program="$work/root/usr/bin/lienzo"
[ -x "$program" ] || { echo "FAIL: the package has no usr/bin/lienzo"; exit 1; }
[ -f "$work/root/usr/share/applications/$id.desktop" ] || fail "the package has no desktop entry"
readelf -d "$program" | grep -qiE 'rpath|runpath' && fail "the packaged program keeps a library search path"

# The program has no options and runs until asked to quit: still running when
# timeout stops it (status 124) means it started; an earlier exit or a crash
# fails.
# It keeps its drawing, settings and data in folders of its own.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_STATE_HOME="$work/state" \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" timeout 5 "$program" >"$work/run.log" 2>&1
status=$?
cat "$work/run.log"
[ $status -eq 124 ] || fail "the unpacked program stopped with status $status within 5 s of starting"

[ "$failures" -eq 0 ]

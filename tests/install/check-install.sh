#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch root with `cmake --install` and checks
# that every file is where a desktop looks for it, and nothing else is there.
#   check-install.sh BUILD_DIR ROOT APP_ID ICON_SOURCE.svg
set -uo pipefail
build=$1 root=$2 id=$3 icon_source=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$root"
if ! DESTDIR="$root" cmake --install "$build" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"
    echo "FAIL: cmake --install did not succeed"
    exit 1
fi

sizes=(16 24 32 48 64 128 256)
expected=(
    usr/bin/lienzo
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    usr/share/doc/lienzo/copyright
    usr/share/doc/lienzo/changelog.gz
    usr/share/man/man1/lienzo.1.gz
    usr/share/man/es/man1/lienzo.1.gz
)
for n in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${n}x${n}/apps/$id.png")
done

# Exactly the expected files, no more and no fewer.
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected list (< expected, > installed)"

[ -x "$root/usr/bin/lienzo" ] || fail "usr/bin/lienzo is not executable"
cmp -s "$icon_source" "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ||
    fail "the scalable icon is not the program's window icon"

# A PNG starts with an 8-byte signature, then the IHDR chunk whose data begins
# at byte 16 with the width and the height as big-endian 32-bit numbers.
png_size() {
    local bytes
    read -r -a bytes < <(od -An -tu1 -N24 "$1" | tr '\n' ' ')
    [ "${bytes[1]}${bytes[2]}${bytes[3]}" = "807871" ] || { echo "not-png"; return; }
    echo "$(((bytes[16] << 24) + (bytes[17] << 16) + (bytes[18] << 8) + bytes[19]))x$(((bytes[20] << 24) + (bytes[21] << 16) + (bytes[22] << 8) + bytes[23]))"
}
for n in "${sizes[@]}"; do
    png="$root/usr/share/icons/hicolor/${n}x${n}/apps/$id.png"
    [ -f "$png" ] || continue
    got=$(png_size "$png")
    [ "$got" = "${n}x${n}" ] || fail "icon in ${n}x${n}/apps is $got"
done

# The three files name each other by the one application id.
desktop="$root/usr/share/applications/$id.desktop"
metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
grep -qx "Exec=lienzo %F" "$desktop" || fail "the desktop entry does not run lienzo with its files"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Name=Lienzo" "$desktop" || fail "the desktop entry's name is not Lienzo"
grep -q "^Categories=.*Graphics;.*Education;" "$desktop" || fail "the desktop entry is not in Graphics and Education"
grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the AppStream launchable is not $id.desktop"

[ "$failures" -eq 0 ] || exit 1
echo "installed ${#expected[@]} files under $root"

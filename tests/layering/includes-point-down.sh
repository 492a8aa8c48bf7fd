#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Every include inside src/ points to the same floor or a lower one. The floors,
# from the ground up: core, canvas, geometry, tools, pages, options, files, recovery,
# app.
set -euo pipefail
src="${1:?usage: includes-point-down.sh SRC_DIR}"
floors=(core canvas geometry tools pages options files recovery app)
rank() {
  local i
  for i in "${!floors[@]}"; do
    [ "${floors[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}
status=0
while IFS= read -r file; do
  own=$(rank "$(basename "$(dirname "$file")")")
  if [ "$own" -lt 0 ]; then
    echo "$file: folder is not a known floor"
    status=1
    continue
  fi
  while IFS= read -r target; do
    other=$(rank "$target")
    if [ "$other" -lt 0 ] || [ "$other" -gt "$own" ]; then
      echo "$file includes $target/, which is not below it"
      status=1
    fi
  done < <(sed -n 's/^#include "\([a-z]*\)\/.*"/\1/p' "$file")
done < <(find "$src" -mindepth 2 -name '*.h' -o -mindepth 2 -name '*.cpp')
[ "$status" -eq 0 ] && echo "every include points down"
exit "$status"

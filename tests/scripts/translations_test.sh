#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every .ts file of translations/ is complete: no entry unfinished or empty, and lupdate, run over
# the sources into a copy, finds no text the file lacks (it would arrive unfinished) and none the
# file holds that the sources no longer have (the copy would have fewer entries).
set -euo pipefail
src=${1:?usage: translations_test.sh SOURCE_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

messages() { grep -c '<message' "$1" || true; }
unfinished() { grep -c 'type="unfinished"' "$1" || true; }
# <translation></translation>, <translation/> or only blanks between the tags; a plural form alike.
empty() {
    grep -cE '<(translation|numerusform)( [^>]*)?(/>|>[[:space:]]*</(translation|numerusform)>)' \
        "$1" || true
}

for ts in "$src"/translations/*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    if [ "$(unfinished "$ts")" != 0 ] || [ "$(empty "$ts")" != 0 ]; then
        echo "$name: $(unfinished "$ts") unfinished and $(empty "$ts") empty entries" >&2
        status=1
    fi
done
"$src/scripts/update-translations.sh" "$work"
for ts in "$src"/translations/*.ts; do
    name=$(basename "$ts")
    if [ ! -f "$work/$name" ]; then continue; fi
    if [ "$(unfinished "$work/$name")" != 0 ]; then
        echo "$name: lupdate finds $(unfinished "$work/$name") texts it lacks:" >&2
        grep -B1 'type="unfinished"' "$work/$name" | grep '<source>' | head -20 >&2
        status=1
    fi
    if [ "$(messages "$work/$name")" != "$(messages "$ts")" ]; then
        echo "$name: $(messages "$ts") entries, lupdate finds $(messages "$work/$name")" >&2
        status=1
    fi
done
exit $status

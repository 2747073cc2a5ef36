#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A translation file is current and complete: lupdate, run over the sources into a copy of the
# .ts files as scripts/update-translations.sh runs it, changes nothing in TS_FILE, and no message
# of it is unfinished or left over from a text the sources no longer have.
# Usage: ts_finished_test.sh SOURCE_DIR TS_FILE
set -euo pipefail
source_dir=$1 file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/*.ts "$work/"
TS_DIR="$work" "$source_dir/scripts/update-translations.sh"
if ! cmp -s "$source_dir/translations/$file" "$work/$file"; then
    echo "translations/$file is not current with the sources; run scripts/update-translations.sh:" >&2
    diff "$source_dir/translations/$file" "$work/$file" | head -40 >&2
    exit 1
fi
if grep -n 'type="\(unfinished\|vanished\|obsolete\)"' "$work/$file" >&2; then
    echo "translations/$file has texts without a finished translation" >&2
    exit 1
fi

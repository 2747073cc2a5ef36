#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project file's MIME package as the shared MIME database reads it: *.kinovar must map to
# application/x-kinovar-project, and the desktop entry must declare that type, so that a file
# manager opens a project with Kinovar.
# Usage: mime_test.sh MIME_PACKAGE_XML DESKTOP_ENTRY
set -euo pipefail
type=application/x-kinovar-project
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$1" "$work/mime/packages/"
# A malformed package makes the database tool complain; any complaint fails the test.
out=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1)
[[ -z "$out" ]] || { echo "update-mime-database: $out" >&2; exit 1; }
grep -qx "$type:\*\.kinovar" "$work/mime/globs" || { echo "no *.kinovar glob for $type" >&2; exit 1; }
grep -q "^MimeType=.*$type;" "$2" || { echo "$2 does not declare $type" >&2; exit 1; }

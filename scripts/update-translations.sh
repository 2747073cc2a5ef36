#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Collects the texts to translate into translations/*.ts with lupdate: the windows' tr() texts
# into kinovar_en.ts, the Qt-free core's uiText() texts into kinovar_core_en.ts. New texts arrive
# unfinished; translate them (Qt Linguist, or by hand in the XML) and commit the .ts files.
# With a folder as argument, the .ts files of that folder are updated instead (the test
# translations_complete updates copies, to see what lupdate would add or drop).
set -euo pipefail
cd "$(dirname "$0")/.."
TS_DIR=${1:-translations}
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
OPTS=(-silent -locations none -no-obsolete -I src -tr-function-alias translate+=uiText)
mapfile -t windows < <(find src -path '*/qt/*' \( -name '*.cpp' -o -name '*.h' \) | sort;
                       find src/animator \( -name '*.cpp' -o -name '*.h' \) | sort)
mapfile -t core < <(find src \( -name '*.cpp' -o -name '*.h' \) ! -path '*/qt/*' \
                         ! -path 'src/animator/*' | sort)
"$LUPDATE" "${OPTS[@]}" "${windows[@]}" -ts "$TS_DIR/kinovar_en.ts"
"$LUPDATE" "${OPTS[@]}" "${core[@]}" -ts "$TS_DIR/kinovar_core_en.ts"

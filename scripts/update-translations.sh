#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Collects the texts to translate into translations/*.ts with lupdate: the windows' tr() texts
# into kinovar_en.ts; the Qt-free core's uiText() and UI_TEXT_NOOP() texts, the catalogues'
# captions and units (scripts/catalogue-texts.py) and the printable document's texts
# (src/present/qt/document, drawn by the batch as well) into kinovar_core_en.ts; the user guide's
# texts (the quantities' meanings, the generated pages' words, marked with guideText) into
# kinovar_guide_en.ts. New texts arrive
# unfinished; translate them (Qt Linguist, or by hand in the XML) and commit the .ts files.
# A folder given as the argument (or as TS_DIR) holds copies of the .ts files to update instead:
# the tests update copies, to see what lupdate would add or drop.
set -euo pipefail
TS_DIR=$(realpath "${1:-${TS_DIR:-$(dirname "$0")/../translations}}")
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
OPTS=(-silent -locations none -no-obsolete -I src
      -tr-function-alias translate+=uiText,QT_TRANSLATE_NOOP+=UI_TEXT_NOOP)
document=src/present/qt/document
mapfile -t windows < <(find src -path '*/qt/*' ! -path "$document/*" \
                            \( -name '*.cpp' -o -name '*.h' \) | sort;
                       find src/animator \( -name '*.cpp' -o -name '*.h' \) | sort)
guide=(src/calc/QuantityGuide.h src/calc/QuantityGuide.cpp src/formats/GuidePages.h
       src/formats/GuidePages.cpp src/app/GuideHelp.h src/app/GuideHelp.cpp)
mapfile -t core < <(find src \( -name '*.cpp' -o -name '*.h' \) \( ! -path '*/qt/*' -o \
                         -path "$document/*" \) ! -path 'src/animator/*' \
                         ! -name 'QuantityGuide.*' ! -name 'GuidePages.*' ! -name 'GuideHelp.*' |
                    sort)
catalogue=$(mktemp --suffix=.cpp)
trap 'rm -f "$catalogue"' EXIT
python3 scripts/catalogue-texts.py > "$catalogue"
"$LUPDATE" "${OPTS[@]}" "${windows[@]}" -ts "$TS_DIR/kinovar_en.ts"
"$LUPDATE" "${OPTS[@]}" "${core[@]}" "$catalogue" -ts "$TS_DIR/kinovar_core_en.ts"
"$LUPDATE" "${OPTS[@]}",QT_TRANSLATE_NOOP+=guideText "${guide[@]}" -ts "$TS_DIR/kinovar_guide_en.ts"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Collects the texts to translate into translations/*.ts with lupdate: the windows' tr() texts
# into kinovar_en.ts, the Qt-free core's uiText() texts into kinovar_core_en.ts, and the user
# guide's texts (the quantities' meanings, the generated pages' words, marked with guideText)
# into kinovar_guide_en.ts. New texts arrive
# unfinished; translate them (Qt Linguist, or by hand in the XML) and commit the .ts files.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
OPTS=(-silent -locations none -no-obsolete -tr-function-alias translate+=uiText)
mapfile -t windows < <(find src -path '*/qt/*' \( -name '*.cpp' -o -name '*.h' \) | sort;
                       find src/animator \( -name '*.cpp' -o -name '*.h' \) | sort)
guide=(src/calc/QuantityGuide.h src/calc/QuantityGuide.cpp src/formats/GuidePages.h
       src/formats/GuidePages.cpp src/app/GuideHelp.h src/app/GuideHelp.cpp)
mapfile -t core < <(find src \( -name '*.cpp' -o -name '*.h' \) ! -path '*/qt/*' \
                         ! -path 'src/animator/*' ! -name 'QuantityGuide.*' ! -name 'GuidePages.*' \
                         ! -name 'GuideHelp.*' |
                    sort)
"$LUPDATE" "${OPTS[@]}" "${windows[@]}" -ts translations/kinovar_en.ts
"$LUPDATE" "${OPTS[@]}" "${core[@]}" -ts translations/kinovar_core_en.ts
"$LUPDATE" "${OPTS[@]}",QT_TRANSLATE_NOOP+=guideText "${guide[@]}" \
    -ts translations/kinovar_guide_en.ts

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence tag at the head of every source, header, test, benchmark, script and CMake
# file that lacks it: "// SPDX-License-Identifier: GPL-3.0-or-later" as the first line of C++
# files (.cpp, .h, .h.in, ...), "# SPDX-License-Identifier: GPL-3.0-or-later" as the first line
# of CMake files and scripts, or the second after a "#!" line. A file that has it is left alone,
# so the script may be run again at any time, after a merge for instance.
# A file with some other SPDX line near its head is named and left for a person to decide.
#
# Usage: scripts/spdx.sh [--check] [ROOT]
#   --check  change nothing; name every file that lacks the tag and fail if there is one.
#   ROOT     the source tree (default: the one this script belongs to).
set -euo pipefail

readonly LICENCE=GPL-3.0-or-later
check=0
if [[ ${1-} == --check ]]; then
  check=1
  shift
fi
root=${1:-$(dirname "$0")/..}
cd "$root"

# The first two bytes of a file (NULs dropped: it may be binary).
starts() { head -c 2 "$1" | tr -d '\0'; }

# The comment leader of a file we tag, or nothing for a file that is not ours to tag (data,
# fuzz corpora, pictures).
leader() {
  case $1 in
    *.cpp | *.cc | *.c | *.h | *.hpp | *.h.in) echo "//" ;;
    */CMakeLists.txt | CMakeLists.txt | *.cmake | *.sh | *.py | *.supp) echo "#" ;;
    *) [[ $(starts "$1") == "#!" ]] && echo "#" || true ;;
  esac
}

# Every candidate file: the sources, tests, benchmarks, scripts and CMake files.
candidates() {
  local dirs=()
  for d in src tests bench scripts cmake tools; do [[ -d $d ]] && dirs+=("$d"); done
  [[ -f CMakeLists.txt ]] && echo CMakeLists.txt
  ((${#dirs[@]})) || return 0
  find "${dirs[@]}" -name corpus -prune -o -type f -print | LC_ALL=C sort
}

lacking=0
while IFS= read -r file; do
  lead=$(leader "$file")
  [[ -n $lead ]] || continue
  tag="$lead SPDX-License-Identifier: $LICENCE"
  after=0
  [[ $lead == "#" && $(starts "$file") == "#!" ]] && after=1
  [[ $(sed -n "$((after + 1))p" "$file") == "$tag" ]] && continue
  if head -n 5 "$file" | grep -q "SPDX-License-Identifier:"; then
    echo "$file: another or misplaced SPDX line; not changed" >&2
    lacking=1
    continue
  fi
  if ((check)); then
    echo "$file: no \"$tag\" line" >&2
    lacking=1
    continue
  fi
  # Rewritten in place through cat so that the file keeps its mode (scripts stay executable).
  tmp=$(mktemp)
  awk -v tag="$tag" -v after="$after" '
    NR == 1 && !after { print tag }
    { print }
    NR == 1 && after { print tag }
    END { if (NR == 0) print tag }' "$file" >"$tmp"
  cat "$tmp" >"$file"
  rm -f "$tmp"
  echo "$file"
done < <(candidates)
exit "$lacking"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/spdx.sh on a made-up tree: where the tag goes in each kind of file, which files it
# leaves alone, that a second run changes nothing, that --check names what lacks the tag.
# Usage: spdx_test.sh SOURCE_DIR
set -euo pipefail
spdx=$(cd "$1" && pwd)/scripts/spdx.sh
tree=$(mktemp -d /tmp/kinovar-spdx.XXXXXX)
trap 'rm -rf "$tree"' EXIT
failures=0
fail() { echo "spdx test: $*" >&2; failures=$((failures + 1)); }

c="// SPDX-License-Identifier: GPL-3.0-or-later"
h="# SPDX-License-Identifier: GPL-3.0-or-later"
# path | content before | content after (\n-escaped, as printf %b reads them)
cases=(
  "src/a/A.cpp|#include <x>\n|$c\n#include <x>\n"
  "src/a/A.h|#pragma once\n|$c\n#pragma once\n"
  "src/base/Info.h.in|x = \"@V@\";\n|$c\nx = \"@V@\";\n"
  "tests/fuzz/fuzz_a.cpp|int f();\n|$c\nint f();\n"
  "bench/b_bench.cpp||$c\n"
  "CMakeLists.txt|project(X)\n|$h\nproject(X)\n"
  "src/x/CMakeLists.txt|add_library(x)\n|$h\nadd_library(x)\n"
  "cmake/Rules.cmake|set(A 1)\n|$h\nset(A 1)\n"
  "scripts/go.sh|#!/bin/sh\necho hi\n|#!/bin/sh\n$h\necho hi\n"
  "scripts/plain.sh|echo hi\n|$h\necho hi\n"
  "scripts/runner|#!/usr/bin/env bash\ntrue\n|#!/usr/bin/env bash\n$h\ntrue\n"
  "tools/t.py|#!/usr/bin/env python3\n\"\"\"Doc.\"\"\"\n|#!/usr/bin/env python3\n$h\n\"\"\"Doc.\"\"\"\n"
  "src/a/Done.cpp|$c\nint x;\n|$c\nint x;\n"
  "scripts/done.sh|#!/bin/sh\n$h\n:\n|#!/bin/sh\n$h\n:\n"
  # Not ours to tag: data, fuzz corpora (even one that looks like a script), other folders.
  "tests/data/scr.ini|a=1\n|a=1\n"
  "tests/fuzz/corpus/batch/run|#!/bin/sh\n--help\n|#!/bin/sh\n--help\n"
  "tests/fuzz/corpus/x/seed.cpp|int\n|int\n"
  "doc/notes.sh|echo\n|echo\n"
  # Another licence, or the tag out of place: named, never a second line.
  "src/a/Other.cpp|// SPDX-License-Identifier: MIT\nint y;\n|// SPDX-License-Identifier: MIT\nint y;\n"
  "scripts/late.sh|#!/bin/sh\n# note\n$h\n|#!/bin/sh\n# note\n$h\n"
)
for case in "${cases[@]}"; do
  IFS='|' read -r path before _ <<<"$case"
  mkdir -p "$tree/$(dirname "$path")"
  printf '%b' "$before" >"$tree/$path"
done
chmod 755 "$tree/scripts/go.sh"

expect_names() { # OUTPUT WORD... : each word appears in the output
  local out=$1
  shift
  for name in "$@"; do grep -q "$name" <<<"$out" || fail "'$name' not named in: $out"; done
}

out=$("$spdx" --check "$tree" 2>&1) && fail "--check passed on a tree lacking tags"
expect_names "$out" src/a/A.cpp scripts/go.sh tools/t.py src/a/Other.cpp scripts/late.sh
grep -q -e Done.cpp -e done.sh -e corpus -e scr.ini <<<"$out" && fail "--check named too much: $out"
[[ $(head -c 1 "$tree/src/a/A.cpp") == "#" ]] || fail "--check changed a file"

out=$("$spdx" "$tree" 2>&1) && fail "a run with a foreign SPDX line passed"
expect_names "$out" src/a/Other.cpp scripts/late.sh
for round in first second; do
  for case in "${cases[@]}"; do
    IFS='|' read -r path _ after <<<"$case"
    [[ $(cat "$tree/$path"; echo .) == "$(printf '%b' "$after"; echo .)" ]] ||
      fail "$round run: $path reads '$(cat "$tree/$path")'"
  done
  [[ -x $tree/scripts/go.sh ]] || fail "$round run: scripts/go.sh lost its mode"
  "$spdx" "$tree" >/dev/null 2>&1 || true
done

rm "$tree/src/a/Other.cpp" "$tree/scripts/late.sh"
"$spdx" --check "$tree" || fail "--check failed on a tagged tree"
exit $((failures > 0))

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs two builds of kinovar-batch on the same parameter sets and compares every output byte for
# byte: the CSV, the report, the listing, the animation file, standard error and the exit status.
# Use it before and after a change that must not alter results:
#   scripts/compare-batch.sh /path/to/old/kinovar-batch build/bin/kinovar-batch
set -uo pipefail
old=$(realpath "$1") new=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sets=(
  ""
  "--autofill"
  "--autofill --set cycles=3 --set step=5 --set mode=720"
  "--set l1=40 --set l2=30 --autofill --set cycles=2"
  "--autofill --set fitt0=0.3 --set fidtt=0.002 --set m3=7.5 --set i2=0.125 --set cycles=40"
  "--autofill --set fi0=0.1 --set step=0.1 --set cycles=5 --decimal-separator ,"
  "--set cycles=3749 --autofill"
)
failed=0
for s in "${sets[@]}"; do
  for which in old new; do
    bin=${!which}
    d="$work/$which"
    rm -rf "$d" && mkdir -p "$d"
    # shellcheck disable=SC2086
    (cd "$d" && "$bin" $s --csv out.csv --report out.rep --listing out.lst --kinetic out.ini \
      >stdout 2>stderr; echo $? >status)
  done
  for f in out.csv out.rep out.lst out.ini stdout stderr status; do
    if ! cmp -s "$work/old/$f" "$work/new/$f"; then
      echo "DIFFERS: [$s] $f"
      failed=1
    fi
  done
  echo "compared: [${s:-defaults}]"
done
for opt in --help --version; do
  cmp -s <("$old" $opt 2>&1) <("$new" $opt 2>&1) || { echo "DIFFERS: $opt"; failed=1; }
done
exit $failed

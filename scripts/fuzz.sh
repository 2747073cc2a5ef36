#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses (build folder build-fuzz/, clang) and runs each over its seed
# corpus plus a fixed number of new inputs: a regression run for CI. Any crash, sanitizer report,
# leak or failed check ends the script with a failure and leaves the input as crash-* in
# build-fuzz/findings/.
# Longer runs: FUZZ_RUNS=-1 FUZZ_SECONDS=600 scripts/fuzz.sh [harness...]
set -euo pipefail
cd "$(dirname "$0")/.."
KINOVAR_FUZZ=1 scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKINOVAR_FUZZ=ON -DKINOVAR_BENCH=OFF >/dev/null
cmake --build build-fuzz

runs=${FUZZ_RUNS:-3000}
seconds=${FUZZ_SECONDS:-60}
harnesses=("$@")
((${#harnesses[@]})) || harnesses=(report captions kinetic numbers batch load project drive)
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
findings=$PWD/build-fuzz/findings
mkdir -p "$findings"
for h in "${harnesses[@]}"; do
  # New inputs go to a scratch folder first in the list, so the committed seeds stay as they are;
  # absolute paths, because the batch harness works in a folder of its own.
  fresh=$(mktemp -d)
  echo "== fuzz_$h"
  if ! build-fuzz/bin/fuzz_"$h" -seed=1 -runs="$runs" -max_total_time="$seconds" -max_len=4096 \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/$h-" -print_final_stats=1 \
      "$fresh" "$PWD/tests/fuzz/corpus/$h" 2>"build-fuzz/fuzz_$h.log"; then
    tail -n 40 "build-fuzz/fuzz_$h.log"
    rm -rf "$fresh"
    exit 1
  fi
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "build-fuzz/fuzz_$h.log" | tail -n 2
  rm -rf "$fresh"
done

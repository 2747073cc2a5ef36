#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sweep over two keys split into 4 shards run by GNU parallel, merged by index as the manual
# page shows, equals the same sweep run whole, byte for byte.
# Usage: parallel_test.sh BATCH_EXE. Exits 77 (skipped) when GNU parallel is not installed.
set -euo pipefail
batch=$1
command -v parallel >/dev/null || { echo "parallel test: GNU parallel is not installed"; exit 77; }

dir=$(mktemp -d /tmp/kinovar-shards.XXXXXX)
trap 'rm -rf "$dir"' EXIT
sweep=(--set cycles=2 --sweep l2=18:40:7 --sweep b=-4:4:5 --sweep-autofill)

timeout 120 "$batch" "${sweep[@]}" --summary "$dir/whole.csv"
# --will-cite: no notice; each shard on one thread, 4 at a time.
timeout 120 parallel --will-cite --halt now,fail=1 -j 4 \
  "$batch" "${sweep[@]}" --jobs 1 --shard {}/4 --summary "$dir/part{}.csv" ::: 0 1 2 3
cat "$dir"/part?.csv | LC_ALL=C sort -g -u >"$dir/merged.csv"

rows=$(($(wc -l <"$dir/whole.csv") - 1))
[[ $rows == 35 ]] || { echo "parallel test: $rows rows, not 7 x 5" >&2; exit 1; }
for k in 0 1 2 3; do
  # Every row of a shard is one of its own (index mod 4 = k), and the shard is not empty.
  tail -n +2 "$dir/part$k.csv" | awk -F, -v k="$k" '$1 % 4 != k { bad = 1 } END { exit bad || NR == 0 }' ||
    { echo "parallel test: shard $k is empty or holds a row of another" >&2; exit 1; }
done
cmp "$dir/whole.csv" "$dir/merged.csv" || {
  diff "$dir/whole.csv" "$dir/merged.csv" | head -n 20 >&2
  echo "parallel test: the merged shards differ from the whole sweep" >&2; exit 1
}
echo "parallel test: 4 shards of 35 rows merged equal the whole sweep"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A batch save reaches the disk before it replaces the old file: the system calls of a run show
# the temporary file synced, then renamed over the target, then the folder synced; the outputs of
# one run are renamed smallest first.
# Usage: durability_test.sh BATCH_EXE. Exits 77 (skipped) when strace is missing or cannot trace.
set -euo pipefail
batch=$1
command -v strace >/dev/null || { echo "durability test: strace is not installed"; exit 77; }
strace -o /dev/null true 2>/dev/null || { echo "durability test: strace cannot trace here"; exit 77; }

dir=$(mktemp -d /tmp/kinovar-durability.XXXXXX)
trap 'rm -rf "$dir"' EXIT
fail() { echo "durability test: $*" >&2; cat "$dir/trace" >&2; exit 1; }

echo old >"$dir/r.txt"
strace -f -y -e trace=fsync,fdatasync,rename,renameat,renameat2 -o "$dir/trace" \
  "$batch" --report "$dir/r.txt" || fail "the batch run failed"

# The lines for this save, in order: fsync of the temporary file, the rename onto r.txt, fsync of
# the folder. strace -y shows each descriptor's path.
temp_sync=$(grep -n "fsync([0-9]*<$dir/\.r\.txt\.kinovar-[0-9a-f]*\.tmp>) = 0" "$dir/trace" |
  head -n 1 | cut -d: -f1)
rename=$(grep -n "rename.*\"\.r\.txt\.kinovar-[0-9a-f]*\.tmp\".*\"r\.txt\".* = 0" "$dir/trace" |
  head -n 1 | cut -d: -f1)
dir_sync=$(grep -n "fsync([0-9]*<$dir>) = 0" "$dir/trace" | tail -n 1 | cut -d: -f1)
[[ -n "$temp_sync" ]] || fail "the temporary file was not synced"
[[ -n "$rename" ]] || fail "no rename of the temporary file onto r.txt"
[[ -n "$dir_sync" ]] || fail "the folder was not synced"
((temp_sync < rename)) || fail "the temporary file was synced after the rename"
((rename < dir_sync)) || fail "the folder was synced before the rename"
[[ $(head -n 1 "$dir/r.txt" | tr -d '\r') == 10.00 ]] || fail "r.txt holds no report"

strace -f -e trace=rename,renameat,renameat2 -o "$dir/trace" "$batch" --csv "$dir/c.csv" \
  --report "$dir/r.txt" --listing "$dir/l.txt" --kinetic "$dir/k.ini" || fail "the second run failed"
renamed=$(grep -o '"[ckrl]\.[a-z]*") = 0$' "$dir/trace" | cut -d'"' -f2 | tr '\n' ' ')
by_size=$(cd "$dir" && ls -rS c.csv r.txt l.txt k.ini | tr '\n' ' ')
[[ "$renamed" == "$by_size" ]] || fail "renamed in the order '$renamed', not smallest first: '$by_size'"
echo "durability test: file synced, renamed, folder synced; outputs renamed smallest first"

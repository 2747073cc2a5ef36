#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A file the user may not write is refused, even in a folder where the user could replace it by
# a rename: the batch run as nobody leaves root's files and nobody's own read-only ones as they
# were and exits 2, and still writes a file nobody may write.
# Usage: foreign_file_test.sh BATCH_EXE. Exits 77 (skipped) when not run as root or when the
# rights cannot be dropped here, since only then can the file belong to someone else.
set -euo pipefail
batch=$1
[[ $(id -u) -eq 0 ]] || { echo "foreign file test: needs root to give a file to another owner"; exit 77; }
setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null ||
  { echo "foreign file test: setpriv cannot drop to nobody here"; exit 77; }

dir=$(mktemp -d /tmp/kinovar-foreign.XXXXXX)
trap 'rm -rf "$dir"' EXIT
fail() { echo "foreign file test: $*" >&2; exit 1; }
# The program is copied where nobody may run it; the folder is nobody's, so a rename in it
# would succeed.
cp "$batch" "$dir/kinovar-batch"
chmod 755 "$dir" "$dir/kinovar-batch"
mkdir "$dir/out"
chown nobody:nogroup "$dir/out"
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME="$dir/out" \
                PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }

# Each output option, onto a file of root's that others may only read.
for option in --report --listing --csv --kinetic --save-project; do
  target=$dir/out/root$option.txt
  echo "root's own" >"$target"
  chmod 644 "$target"
  status=0
  as_nobody "$dir/kinovar-batch" --autofill "$option" "$target" 2>"$dir/err" || status=$?
  [[ $status -eq 2 ]] || fail "$option onto root's file exited $status, not 2: $(cat "$dir/err")"
  [[ $(cat "$target") == "root's own" ]] || fail "$option replaced root's read-only file"
  [[ $(stat -c %U "$target") == root ]] || fail "$option gave root's file to another owner"
  [[ -s "$dir/err" ]] || fail "$option was refused without a word"
done

# A file of nobody's own that nobody made read-only: only the mode bits stand in the way.
for option in --report --save-project; do
  target=$dir/out/kept$option.txt
  as_nobody sh -c "echo 'kept as it is' >'$target' && chmod 444 '$target'"
  status=0
  as_nobody "$dir/kinovar-batch" --autofill "$option" "$target" 2>"$dir/err" || status=$?
  [[ $status -eq 2 ]] || fail "$option onto a read-only file exited $status, not 2"
  [[ $(cat "$target") == "kept as it is" ]] || fail "$option replaced a read-only file"
done

# The same run onto nobody's own file succeeds: the refusal above is for the owner, not the run.
as_nobody touch "$dir/out/own.txt"
as_nobody "$dir/kinovar-batch" --autofill --report "$dir/out/own.txt" ||
  fail "the run onto nobody's own file failed"
[[ $(head -c 5 "$dir/out/own.txt") == 10.00 ]] || fail "nobody's own file holds no report"
echo "foreign file test: root's files and read-only ones refused, a writable one written"

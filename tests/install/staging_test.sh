#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a staging prefix, makes the prefix read-only and runs the installed
# programs as an unprivileged user, so that nothing can be written beside them:
#   kinovar-batch --version and a report run; the installed animator drawing a step of a file the
#   installed batch wrote; the installed kinovar under Xvfb driven through F9, F5 and F8, which
#   must find the installed row captions, write Kinetic.ini into the user's data folder and start
#   the animator with --kinetic <it>.
# Usage: staging_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2

stage=$(mktemp -d /tmp/kinovar-stage.XXXXXX)
xvfb_pid=""
app_pid=""
cleanup() {
  # Only the processes this script started, by their ids.
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  for pid in $(animator_pids); do kill "$pid" 2>/dev/null || true; done
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  chmod -R u+w "$stage" 2>/dev/null || true
  rm -rf "$stage"
}
trap cleanup EXIT
fail() { echo "staging test: $*" >&2; exit 1; }

prefix=$stage/prefix
home=$stage/home
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod 755 "$stage"
chmod -R a-w "$prefix"
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"

# Root writes anywhere whatever the mode bits say: run as nobody unless already unprivileged.
if [[ $(id -u) -eq 0 ]]; then
  chown -R nobody "$home"
  as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME="$home" \
                XDG_RUNTIME_DIR="$home/runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"; }
else
  as_user() { env -i HOME="$home" XDG_RUNTIME_DIR="$home/runtime" PATH=/usr/bin:/bin \
                LANG=C.UTF-8 "$@"; }
fi
as_user test ! -w "$prefix/bin" || fail "the staged prefix is still writable"
# The licence, where Debian looks for it.
grep -qx "License: GPL-3.0+" "$prefix/share/doc/kinovar/copyright" ||
  fail "share/doc/kinovar/copyright does not state GPL-3.0+"

# The batch program.
# --version: the name and version, then where the licence is and that there is no warranty.
for program in kinovar-batch kinovar; do
  out=$(as_user "$prefix/bin/$program" --version)
  [[ "$(head -n 1 <<<"$out")" == "$program $version" &&
     "$(sed -n 2p <<<"$out")" == "License GPLv3+: GNU GPL version 3 or later <"*">." &&
     "$(sed -n 3p <<<"$out")" == *"There is NO WARRANTY, to the extent permitted by law." ]] ||
    fail "$program --version printed '$out'"
done
as_user "$prefix/bin/kinovar-batch" --autofill --report "$home/run.txt" \
  --kinetic "$home/Kinetic.ini" || fail "the batch run failed"
# Defaults: N = 25 steps; a report has 14 parameter lines and 79 cells per step, the animation
# file 8 lines and 9 per step.
[[ $(wc -l <"$home/run.txt") -eq $((14 + 79 * 25)) ]] || fail "report has $(wc -l <"$home/run.txt") lines"
[[ $(wc -l <"$home/Kinetic.ini") -eq $((8 + 9 * 25)) ]] || fail "Kinetic.ini has the wrong length"

# The example projects "Файл → Примеры" lists, where the program finds them from its folder; the
# installed batch runs each.
examples=("$prefix"/share/kinovar/examples/*.kinovar)
[[ ${#examples[@]} -eq 3 && -f ${examples[0]} ]] || fail "share/kinovar/examples holds ${#examples[@]} projects"
for example in "${examples[@]}"; do
  as_user "$prefix/bin/kinovar-batch" --project "$example" --summary "$home/example.json" ||
    fail "the batch refused $example"
done

# The installed animator draws a step of that file.
for animator in Animator Anima_dx7; do
  as_user "$prefix/libexec/kinovar/Animator/$animator" --kinetic "$home/Kinetic.ini" \
    --render-step 7 --output "$home/$animator.png" || fail "$animator --render-step failed"
  [[ $(head -c 8 "$home/$animator.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "$animator wrote no PNG"
done

# The window, on a private X server, as a user would drive it.
animator_pids() {
  local p
  for p in /proc/[0-9]*; do
    tr '\0' ' ' 2>/dev/null <"$p/cmdline" | grep -q "^$prefix/libexec/kinovar/Animator/" &&
      echo "${p#/proc/}"
  done
  return 0
}
# Xvfb picks a free display itself and writes its number once it accepts connections; a busy
# machine may take seconds to get there.
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$stage/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  [[ -s "$stage/display" ]] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
  sleep 0.1
done
[[ -s "$stage/display" ]] || fail "Xvfb did not start"
display=:$(head -n 1 "$stage/display")
rm -f "$home/Kinetic.ini"
as_user env DISPLAY="$display" QT_QPA_PLATFORM=xcb "$prefix/bin/kinovar" >"$stage/kinovar.log" 2>&1 &
app_pid=$!
export DISPLAY=$display
# Waits are for a state, never for a time: the window is taken once it is mapped (it can take the
# focus then), and the keys are checked by what they leave behind.
window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^Kinovar' 2>/dev/null | head -n 1) &&
    [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { cat "$stage/kinovar.log"; fail "the main window did not appear"; }
xdotool windowfocus --sync "$window"
# The window runs its keys in order, each command to its end before the next one starts. F5 reads
# the row captions from the installed share/kinovar/scr.ini; a missing one would show a modal
# error box captioned "Kinovar" (the main window's caption is longer), which F8 could not get
# past. So once the animator F8 starts is running, F9 and F5 are done and such a box would be up.
# F4 first places the points by the lengths, so that F9 asks nothing about them.
xdotool key F4 F9 F5 F8

error_box() { xdotool search --onlyvisible --name '^Kinovar$' >/dev/null 2>&1; }

data=$home/.local/share/Kinovar
for _ in $(seq 300); do
  { [[ -n "$(animator_pids)" ]] || error_box; } && break
  sleep 0.1
done
if error_box; then fail "F5 showed an error box"; fi
pids=$(animator_pids)
[[ -n "$pids" ]] || { cat "$stage/kinovar.log"; fail "no animator started"; }
cmd=$(tr '\0' ' ' <"/proc/$(echo "$pids" | head -n 1)/cmdline")
[[ "$cmd" == "$prefix/libexec/kinovar/Animator/Animator --kinetic $data/Kinetic.ini " ]] ||
  fail "animator started as '$cmd'"
[[ $(wc -l <"$data/Kinetic.ini") -eq $((8 + 9 * 25)) ]] || fail "Kinetic.ini in $data is incomplete"
[[ ! -e "$prefix/bin/Kinetic.ini" ]] || fail "Kinetic.ini was written into the prefix"
# After F9 the file holds a computed motion: the slider's x at step 1 is b, 15 (0 before any
# calculation).
[[ $(sed -n 14p "$data/Kinetic.ini" | tr -d '\r') == 15.00 ]] || fail "Kinetic.ini holds no calculation"
echo "staging test: installed programs ran from a read-only prefix"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game program as a process under real signals and a real X server: it keeps the level reached when its
# X connection breaks, stays up under a low limit of open files (its file chooser refused) and ends and
# saves after SIGTERM there, says in one line that it needs a display when there is none, and warns in the
# player's language when a scale would make the window larger than the screen.
#   game_process_test.sh GAME no-display|x-server [sanitized]
# With x-server, ends with status 77 (skipped) when Xvfb cannot start. A sanitized build leaves out the
# low limits of open files: the sanitizers' own runtime needs descriptors there.
set -euo pipefail
game=$1 mode=$2 sanitized=${3:-}

source "$(dirname "$0")/../support/scratch.sh"
last_game="Zorvik letzter Spielstand"

# A fresh folder with two levels: Right eats the only dot of the first.
folder() {
  local dir=$work/$1
  mkdir -p "$dir"
  printf '\366.##\r\n' >"$dir/A.ZVK"
  printf '\366.##\r\n' >"$dir/B.ZVK"
  echo "$dir"
}


if [[ $mode == no-display ]]; then
  # The line is in the terminal's language: German under a German locale, else English.
  for platform in "" xcb "wayland;xcb"; do
    dir=$work/empty-${platform//;/-}
    mkdir -p "$dir"
    status=0 language=LANG=C said="no screen found"
    [[ -z $platform ]] && language=LANG=de_DE.UTF-8 said="Kein Bildschirm gefunden"
    (cd "$dir" && env -i PATH="$PATH" HOME="$work" "$language" QT_QPA_PLATFORM="$platform" "$game") >"$work/out" 2>"$work/err" ||
      status=$?
    ((status == 1)) || fail "no display, QT_QPA_PLATFORM=$platform: status $status"
    [[ $(wc -l <"$work/err") == 1 ]] || { cat "$work/err" >&2; fail "no display: not one line"; }
    grep -q "$said" "$work/err" || fail "no display: $(cat "$work/err")"
    [[ -z $(ls -A "$dir") ]] || fail "no display: wrote $(ls -A "$dir")"
  done
  exit 0
fi

# The sanitizers' settings (suppressions among them) reach the game through its clean environment; the X
# keyboard library copies strings by their length, which strict string checks take for an overflow.
sanitizer_options=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [[ -n ${!name:-} ]] && sanitizer_options+=("$name=${!name}")
done
[[ -n ${ASAN_OPTIONS:-} ]] && sanitizer_options+=("ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0")

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for '[[ -s $work/display ]]' || { echo "Xvfb did not start: skipped" >&2; exit 77; }
export DISPLAY=:$(head -1 "$work/display")

# Starts the game in the folder with a clean environment, descriptors 0 to 2 only, the given limit of open
# files and standard error into the given file; sets $pid and $window.
start() {
  local dir=$1 limit=$2 errors=${3:-$1.out}
  (
    cd "$dir"
    for fd in /proc/self/fd/*; do
      fd=${fd##*/}
      ((fd > 2)) && eval "exec $fd>&-" 2>/dev/null || true
    done
    ulimit -n "$limit"
    exec env -i PATH="$PATH" HOME="$work" DISPLAY="$DISPLAY" ZORVIK_NO_PACING=1 "${sanitizer_options[@]}" "$game"
  ) </dev/null >"$dir.out" 2>"$errors" &
  pid=$!
  pids+=("$pid")
  window=""
  wait_for 'window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1); [[ -n $window ]]' ||
    { cat "$dir.out" >&2; kill -0 "$pid" 2>/dev/null || wait "$pid" || echo "ended with status $?" >&2; fail "no window in $dir"; }
}

# The X connection breaks after a level change (as when the server dies or the window is force-quit):
# the game ends without closing its window, and the file names the level reached all the same.
dir=$(folder killed)
start "$dir" 1024
xdotool windowfocus --sync "$window" key Right
wait_for '[[ $(cat "$dir/$last_game" 2>/dev/null) == " 1 "* ]]' || fail "the level change did not reach the last-game file"
xkill -id "$window" >/dev/null
wait_for '! kill -0 "$pid" 2>/dev/null' || fail "the game outlived its X connection"
[[ $(od -An -c "$dir/$last_game" | tr -d ' ') == '1\r\n' ]] || fail "after the broken connection: $(od -c "$dir/$last_game")"

# Few descriptors: at 7 the signal pipe cannot be had and the game says so, at 9 it used to hang in the
# toolkit's X code. A click on Speichern or Laden used to end it ("Creating pipes for GWakeup", status 133):
# the file chooser is refused with a message box. Either way SIGTERM ends it with the number saved.
for limit in 7 9 12; do
  [[ -z $sanitized ]] || break
  dir=$(folder limit-$limit)
  start "$dir" "$limit"
  sleep 1
  label="300 176"  # Speichern; Laden below it
  ((limit == 9)) && label="300 216"
  xdotool mousemove --window "$window" $label click 1
  wait_for 'xdotool search --onlyvisible --pid "$pid" --name "^Zorvik$" >/dev/null 2>&1' ||
    { cat "$dir.out" >&2; fail "limit $limit: no message instead of the file chooser"; }
  kill -TERM "$pid"
  status=0
  wait_for '! kill -0 "$pid" 2>/dev/null' || fail "limit $limit: the game did not end after SIGTERM"
  wait "$pid" || status=$?
  ((status == 0)) || { cat "$dir.out" >&2; fail "limit $limit: status $status after SIGTERM"; }
  [[ $(cat "$dir/$last_game" 2>/dev/null) == " 0 "* ]] || { cat "$dir.out" >&2; fail "limit $limit: nothing saved"; }
  if ((limit == 7)); then
    grep -q "ohne Pipe" "$dir.out" || { cat "$dir.out" >&2; fail "limit 7: the signal set-up failure was not reported"; }
  fi
done

# Standard error into a pipe whose reader has gone: the toolkit's first warning killed the game with SIGPIPE.
dir=$(folder broken-pipe)
mkfifo "$work/errors"
(exec 3<"$work/errors") &
start "$dir" 1024 "$work/errors"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
((status == 0)) || fail "standard error into a broken pipe: status $status after SIGTERM"

# A scale at which the window would not fit the screen is lowered, and the warning is in the player's language.
dir=$(folder scaled)
(cd "$dir" && exec env -i PATH="$PATH" HOME="$work" DISPLAY="$DISPLAY" LANG=de_DE.UTF-8 QT_SCALE_FACTOR=100 \
  ZORVIK_NO_PACING=1 "${sanitizer_options[@]}" "$game") </dev/null >/dev/null 2>"$dir.err" &
pid=$!
pids+=("$pid")
wait_for 'grep -q "^zorvik: im Maßstab 100 wäre das Fenster größer als der Bildschirm; es wird im Maßstab 1.99.* gezeigt$" "$dir.err"' ||
  fail "scale 100 on 800 × 600: $(cat "$dir.err")"
kill -TERM "$pid"
wait "$pid" || fail "scale 100: status $? after SIGTERM"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's commands as a newcomer types them: the play command on a clean copy of the tree, up to the game's
# window under a real X server; then the install, the Debian package and the checker's examples, whose output must
# read as the README prints it.
#   readme_commands_test.sh [play|rest|all]   (run from scripts/test, after the build in build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
what=${1:-all}

source "$(dirname "$0")/../support/scratch.sh"
pack_levels=$(find "$root/levels" -name '*.ZVK' | wc -l)

# scripts/play [ARGS] on the clean copy under Xvfb; waits for the game's window and ends the game as a session end
# does, so that it writes its last-game file.
play_until_window() {
  local out=$work/play.out
  env -i PATH="$PATH" HOME="$work/home" XDG_DATA_HOME="$work/data" DISPLAY="$DISPLAY" \
    "$copy/scripts/play" "$@" >"$out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local window=""
  wait_for 'window=$(xdotool search --onlyvisible --name "^Zorvik" 2>/dev/null | head -1); [[ -n $window ]]' 120 ||
    { cat "$out" >&2; fail "scripts/play $*: no window titled Zorvik"; }
  title=$(xdotool getwindowname "$window")
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  ((status == 0)) || { cat "$out" >&2; fail "scripts/play $*: the game ended with status $status after SIGTERM"; }
}

if [[ $what == play || $what == all ]]; then
  # What a fresh clone holds: the files git tracks, as they are in the working tree.
  copy=$work/clone
  mkdir "$copy"
  git -C "$root" ls-files -z | (cd "$root" && tar --null -T - -cf -) | tar -xf - -C "$copy"
  start=$SECONDS
  # It shows the build as it goes and names the launcher last.
  launcher=$(ZORVIK_PLAY_NO_START=1 "$copy/scripts/play" | tail -n 1) || fail "ZORVIK_PLAY_NO_START=1 scripts/play failed"
  [[ $launcher == "$copy/build-play/prefix/bin/zorvik" && -x $launcher ]] || fail "no launcher installed: $launcher"
  built=$((SECONDS - start))

  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  pids+=($!)
  wait_for '[[ -s $work/display ]]' 10 || fail "Xvfb did not start"
  export DISPLAY=:$(head -1 "$work/display")

  # An empty XDG_DATA_HOME: the pack arrives in its zorvik folder, and the first level is played.
  mkdir -p "$work/home" "$work/data"
  play_until_window
  [[ $title == Zorvik* && $title == *" / $pack_levels Levels" ]] || fail "the window is titled \"$title\""
  [[ $(find "$work/data/zorvik" -name '*.ZVK' | wc -l) == "$pack_levels" ]] || fail "the pack was not copied"
  [[ $(cat "$work/data/zorvik/Zorvik letzter Spielstand") == $' 0 \r' ]] || fail "level 1 was not the level in play"
  # The README's other form: a level to start at and a folder of the player's own.
  play_until_window --level 5 "$work/mine"
  [[ $(cat "$work/mine/Zorvik letzter Spielstand") == $' 4 \r' ]] || fail "--level 5 did not start the fifth level"
  echo "play command: ok (the clean copy built and installed in ${built} s)"
fi

if [[ $what == rest || $what == all ]]; then
  cd "$root"
  export HOME=$work/home
  mkdir -p "$HOME"
  # Install: the README's two lines, into ~/.local.
  cmake -S . -B build >/dev/null && cmake --build build -j2 >/dev/null || fail "the README's build command failed"
  cmake --install build --prefix ~/.local >/dev/null || fail "cmake --install build --prefix ~/.local failed"
  bin=$HOME/.local/bin
  [[ $("$bin/zorvik" --version) == "zorvik 1.0" ]] || fail "the installed zorvik does not answer --version"

  # The usage lines the README gives are the programs' own.
  sed -n '/^### Command lines/,/^###/p' README.md | grep '^    zorvik' | sed 's/^    //' >"$work/usages"
  [[ $(wc -l <"$work/usages") == 3 ]] || fail "the README's command lines section changed"
  while read -r program rest; do
    help=$("$bin/$program" --help) && grep -qxF "usage: $program $rest" <<<"$help" ||
      fail "$program --help does not say: $program $rest"
  done <"$work/usages"

  # The checker's example: the README's level, its command and its output, line for line.
  mkdir "$work/check" && cd "$work/check"
  sed -n '/^For a level whose segment/,/^it says:/p' "$root/README.md" | grep '^    ' | sed 's/^    //' | tr -d '\n' |
    iconv -f UTF-8 -t WINDOWS-1252 >Kaputt.ZVK
  printf '\r\n' >>Kaputt.ZVK
  sed -n '/^    \$ zorvik-check Kaputt.ZVK/,/^$/p' "$root/README.md" | sed -n 's/^    //p' | tail -n +2 >"$work/expected"
  PATH=$bin:$PATH zorvik-check Kaputt.ZVK >"$work/said" 2>&1 && fail "zorvik-check passed the broken level"
  diff "$work/expected" "$work/said" || fail "zorvik-check Kaputt.ZVK does not say what the README says"
  # The level written from a UTF-8 terminal, as the README shows, passes.
  sed -n '/^To write it as a file/,/^###/p' "$root/README.md" | grep '^    ' | sed 's/^    //' >write-level.sh
  bash write-level.sh && PATH=$bin:$PATH zorvik-check MeinLevel.ZVK >/dev/null || fail "the README's MeinLevel.ZVK fails"
  cd "$root"
  # The pack level's example (the README's other one shows a level it only prints).
  line=$(grep -m1 -F '    $ zorvik-check --solve' README.md | sed 's/^    \$ //')
  grep -m1 -A2 -F '    $ zorvik-check --solve' README.md | tail -n 2 | sed 's/^    //' >"$work/expected"
  eval "PATH=\$bin:\$PATH $line" >"$work/said" || fail "$line failed"
  # Equally short solutions may come in either order from the two searches: the moves must be as many.
  sed -E '2s/: [LRUD]+$/: MOVES/' "$work/expected" >"$work/expected.shape"
  sed -E '2s/: [LRUD]+$/: MOVES/' "$work/said" >"$work/said.shape"
  [[ $(sed -n 2p "$work/expected" | wc -c) == $(sed -n 2p "$work/said" | wc -c) ]] ||
    fail "$line prints a solution of another length than the README's"
  diff "$work/expected.shape" "$work/said.shape" || fail "$line does not print what the README prints"

  # The Debian package: made in build/ under the README's name; installed and removed with apt where we are root.
  # A desktop session has a UTF-8 locale, and CPack needs one for the pack's file names.
  (cd build && LC_ALL=C.UTF-8 cpack -G DEB >/dev/null) || fail "cpack -G DEB failed"
  deb=build/zorvik_1.0_$(dpkg --print-architecture).deb
  [[ -f $deb ]] || fail "cpack made no $deb"
  if ((EUID == 0)) && ! dpkg-query -W zorvik >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null 2>&1 || fail "apt install ./$deb failed"
    installed=$(/usr/games/zorvik --version) || true
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zorvik >/dev/null 2>&1 || fail "apt remove zorvik failed"
    [[ $installed == "zorvik 1.0" ]] || fail "the package's /usr/games/zorvik does not answer --version"
    [[ ! -e /usr/games/zorvik ]] || fail "apt remove left /usr/games/zorvik"
  fi
  rm -f "$deb"
  echo "install, package and checker examples: ok"
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix, then starts the launcher in fresh home folders, offscreen, as a new player would.
#   install_launch_test.sh CMAKE BUILD-DIR
set -euo pipefail
cmake=$1 build=$2

work=$(mktemp -d)
game=""
cleanup() {
  [[ -n $game ]] && kill -KILL "$game" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Everything where a desktop looks for it.
for file in bin/zorvik bin/zorvik-check libexec/zorvik/zorvik share/icons/hicolor/48x48/apps/zorvik.png; do
  [[ -f $prefix/$file ]] || fail "$file was not installed"
done
desktop-file-validate "$prefix/share/applications/zorvik.desktop" || fail "the desktop entry does not validate"
packed=$(find "$prefix/share/zorvik/levels" -type f | wc -l)
((packed >= 30)) || fail "only $packed pack levels installed"
"$prefix/bin/zorvik-check" "$prefix"/share/zorvik/levels/*.ZVK >/dev/null || fail "the installed pack does not pass zorvik-check"

# Runs the launcher with a clean environment and the given extra variables, lets the game come up,
# then ends it as a session end does; the game then writes its last-game file.
play() {
  env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen ZORVIK_NO_PACING=1 "$@" "$prefix/bin/zorvik" >"$work/out" 2>&1 &
  game=$!
  # The launcher copies and then replaces itself with the game; give the game time to come up after that.
  for _ in $(seq 100); do
    [[ $(readlink "/proc/$game/exe" 2>/dev/null) == "$prefix/libexec/zorvik/zorvik" ]] && break
    sleep 0.1
  done
  sleep 3
  kill -0 "$game" 2>/dev/null || { cat "$work/out" >&2; fail "the game did not stay up"; }
  kill -TERM "$game"
  local status=0
  wait "$game" || status=$?
  game=""
  ((status == 0)) || { cat "$work/out" >&2; fail "the game ended with status $status after SIGTERM"; }
}

# A fresh home: the pack is copied into ~/.local/share/zorvik and the first level is played.
home=$work/home
mkdir -p "$home"
play HOME="$home"
folder=$home/.local/share/zorvik
[[ $(find "$folder" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into $folder"
cmp -s "$folder/01 Erster Bissen.ZVK" "$prefix/share/zorvik/levels/01 Erster Bissen.ZVK" || fail "a level changed on the copy"
[[ ! -e $folder/NeuesLevel.ZVK ]] || fail "the game fell back to its demo level"
[[ $(od -An -c "$folder/Zorvik letzter Spielstand" | tr -s ' ') == " 0 \r \n" ]] ||
  fail "the last-game file does not hold level 0: $(od -An -c "$folder/Zorvik letzter Spielstand")"

# A later start: the player's edits, deletions, own levels and level number stay as they are.
printf 'mine\r\n' >"$folder/01 Erster Bissen.ZVK"
rm "$folder/02 Um die Ecke.ZVK"
printf ' 4 \r\n' >"$folder/Zorvik letzter Spielstand"
play HOME="$home"
[[ $(cat "$folder/01 Erster Bissen.ZVK") == $'mine\r' ]] || fail "the launcher overwrote a level the player changed"
[[ ! -e "$folder/02 Um die Ecke.ZVK" ]] || fail "the launcher brought back a level the player deleted"
[[ $(od -An -c "$folder/Zorvik letzter Spielstand" | tr -s ' ') == " 4 \r \n" ]] || fail "the level number was lost"

# XDG_DATA_HOME moves the folder; a file already there under a pack name is kept.
data=$work/data
mkdir -p "$data/zorvik"
printf 'own\r\n' >"$data/zorvik/03 Zickzack.ZVK"
play HOME="$work/nowhere" XDG_DATA_HOME="$data"
[[ $(find "$data/zorvik" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into XDG_DATA_HOME"
[[ $(cat "$data/zorvik/03 Zickzack.ZVK") == $'own\r' ]] || fail "the first copy overwrote a file the player had"
[[ ! -e $work/nowhere ]] || fail "HOME was used although XDG_DATA_HOME is set"
# ZORVIK_LEVEL_FOLDER names the folder outright (scripts/play passes its argument so).
play HOME="$home" ZORVIK_LEVEL_FOLDER="$work/chosen"
[[ $(find "$work/chosen" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into ZORVIK_LEVEL_FOLDER"
echo "install and launch: ok"

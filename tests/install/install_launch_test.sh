#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks what a desktop and a packager find there, then starts the
# launcher in fresh home folders, offscreen, as a new player would, and as two releases in a row would.
#   install_launch_test.sh CMAKE BUILD-DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3

source "$(dirname "$0")/../support/scratch.sh"

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# Everything where a desktop, a software centre and man look for it, and nothing else.
id=io.github.zorvik.Zorvik
expected=(bin/zorvik bin/zorvik-check bin/zorvik-studio libexec/zorvik/zorvik
  share/applications/$id{,.Studio}.desktop share/metainfo/$id{,.Studio}.metainfo.xml
  share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg share/man/man6/zorvik.6.gz share/man/man1/zorvik-{check,studio}.1.gz
  share/doc/zorvik/{COPYING,copyright,changelog.gz}
  share/zorvik/levels/{release-1.0,former-names})
for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f ! -name '*.ZVK' | cut -c3- | sort) ||
  fail "the installed files differ from the list (< missing, > not expected)"
for app in $id $id.Studio; do
  desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "the desktop entry $app does not validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$work/out" ||
    { cat "$work/out" >&2; fail "the metainfo of $app does not validate"; }
  grep -q "warning\|error" "$work/out" && { cat "$work/out" >&2; fail "the metainfo of $app has warnings"; }
  grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app.metainfo.xml" || fail "no release $version in $app"
done
for page in man6/zorvik.6.gz man1/zorvik-check.1.gz man1/zorvik-studio.1.gz; do
  [[ -z $(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/$page" 2>&1 >/dev/null) ]] ||
    fail "man warns about $page"
done
# Every picture is the painters' own; the scalable one drawn at 48 pixels looks like the 48-pixel one.
"$build/tools/zorvik-icon/zorvik-icon" "$work/icons"
diff -r "$work/icons" "$prefix/share/icons/hicolor" || fail "an installed icon is not what the painters draw"
rsvg-convert -w 48 -h 48 "$work/icons/scalable/apps/$id.svg" >"$work/svg48.png"
difference=$(compare -metric MAE "$work/icons/48x48/apps/$id.png" "$work/svg48.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
awk -v d="$difference" 'BEGIN { exit !(d < 0.011) }' || fail "the SVG icon differs from the 48-pixel one by $difference"

pack=$prefix/share/zorvik/levels
packed=$(find "$pack" -name '*.ZVK' | wc -l)
((packed >= 30)) || fail "only $packed pack levels installed"
"$prefix/bin/zorvik-check" "$pack"/*.ZVK >/dev/null || fail "the installed pack does not pass zorvik-check"
# Each level of the 1.0 pack is still in the pack, or renamed to one that is.
sed '/^#/d' "$pack/release-1.0" | while IFS= read -r name; do
  [[ -f $pack/$name ]] || grep -q "^$name -> " "$pack/former-names" || fail "release-1.0 names $name, now unknown"
done
sed '/^#/d' "$pack/former-names" | while IFS= read -r line; do
  [[ -f $pack/${line#* -> } ]] || fail "former-names renames to a level not in the pack: $line"
done

# A file manager reads a level file as the level type, names it, and opens it in the studio. The caches are
# what a package's triggers would make; they come after the list above, which holds what is installed.
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
desktop() { env -i PATH="$prefix/bin:$PATH" HOME="$work/desktop" XDG_DATA_DIRS="$prefix/share:/usr/share" "$@"; }
cp "$prefix/share/zorvik/levels/01 Erster Bissen.ZVK" "$work/small.zvk"
for file in "$prefix/share/zorvik/levels/01 Erster Bissen.ZVK" "$work/small.zvk"; do
  type=$(desktop gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p')
  [[ $type == application/x-zorvik-level ]] || fail "gio reads $file as \"$type\""
done
# Read whole first: grep -q ending the pipe early would make gio fail on a closed pipe.
handlers=$(desktop gio mime application/x-zorvik-level)
grep -q "^Default application.*: $id.Studio.desktop" <<<"$handlers" || fail "the studio does not open level files: $handlers"
# Opened from there, the studio shows the level it is given, under a real X server.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  display=:$(cat "$work/display")
  desktop DISPLAY="$display" gio launch "$prefix/share/applications/$id.Studio.desktop" "$prefix/share/zorvik/levels/01 Erster Bissen.ZVK"
  window=""
  for _ in $(seq 150); do
    window=$(DISPLAY=$display xdotool search --name "^01 Erster Bissen.*Zorvik-Studio" 2>/dev/null | head -1) && [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "the studio did not open the level it was given"
  pids+=("$(DISPLAY=$display xdotool getwindowpid "$window")")
else
  echo "no Xvfb and xdotool: the studio opening a level was not tried" >&2
fi

# Help, version and mistakes come at once: no display needed, no folder made. The command lines speak German
# under a German locale, whether or not that locale is generated here, and English otherwise.
run() { env -i PATH="$PATH" HOME="$work/quiet" "$@" >"$work/out" 2>&1; }
run "$prefix/bin/zorvik" --help || fail "zorvik --help failed without a display"
grep -q "^usage: zorvik \[--level N\] \[FOLDER\]" "$work/out" || fail "zorvik --help: $(cat "$work/out")"
run LANG=de_DE.UTF-8 "$prefix/bin/zorvik" --help && grep -q "^Aufruf: zorvik \[--level N\] \[ORDNER\]" "$work/out" ||
  fail "zorvik --help in German: $(cat "$work/out")"
run LANG=C "$prefix/bin/zorvik" --help && grep -q "^usage: zorvik" "$work/out" || fail "zorvik --help under C: $(cat "$work/out")"
printf '\xF6oX.\r\n' >"$work/odd.ZVK"
run LC_ALL=de_DE.UTF-8 "$prefix/bin/zorvik-check" "$work/odd.ZVK"
grep -q "Warnung: 1 Feld aus der Datei kennt das Spiel nicht" "$work/out" && grep -q ": in Ordnung, 2 × 2 Felder, 1 Punkt," "$work/out" ||
  fail "zorvik-check in German: $(cat "$work/out")"
env -i PATH="$PATH" LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$prefix/bin/zorvik" >"$work/out" 2>&1 && status=0 || status=$?
((status == 1)) && [[ $(cat "$work/out") == "zorvik: weder XDG_DATA_HOME noch HOME ist gesetzt, also gibt es keinen Level-Ordner" ]] ||
  fail "the launcher without HOME, in German: status $status, $(cat "$work/out")"
run "$prefix/bin/zorvik" --version && [[ $(cat "$work/out") == "zorvik $version" ]] || fail "zorvik --version: $(cat "$work/out")"
run "$prefix/bin/zorvik-check" --version && [[ $(cat "$work/out") == "zorvik-check $version" ]] || fail "zorvik-check --version"
for wrong in --levle "--level 0" "a b"; do
  status=0
  run "$prefix/bin/zorvik" $wrong || status=$?
  ((status == 2)) && [[ $(wc -l <"$work/out") == 1 ]] || fail "zorvik $wrong: status $status, $(cat "$work/out")"
done
# Without a display: one line, status 1, still nothing written.
status=0
run "$prefix/bin/zorvik" || status=$?
((status == 1)) && [[ $(wc -l <"$work/out") == 1 ]] || fail "no display: status $status, $(cat "$work/out")"
[[ ! -e $work/quiet ]] || fail "a command that starts no game made the level folder"

# Runs the launcher with a clean environment and the given extra variables, lets the game come up,
# then ends it as a session end does; the game then writes its last-game file.
play() {
  env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen ZORVIK_NO_PACING=1 "$@" >"$work/out" 2>&1 &
  local game=$!
  pids+=("$game")
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
  ((status == 0)) || { cat "$work/out" >&2; fail "the game ended with status $status after SIGTERM"; }
}
last_game() { od -An -c "$1/Zorvik letzter Spielstand" | tr -s ' '; }

# A fresh home: the pack is copied into ~/.local/share/zorvik and the first level is played.
home=$work/home
mkdir -p "$home"
play HOME="$home" "$prefix/bin/zorvik"
folder=$home/.local/share/zorvik
[[ $(find "$folder" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into $folder"
cmp -s "$folder/01 Erster Bissen.ZVK" "$pack/01 Erster Bissen.ZVK" || fail "a level changed on the copy"
[[ ! -e $folder/NeuesLevel.ZVK ]] || fail "the game fell back to its demo level"
[[ $(last_game "$folder") == " 0 \r \n" ]] || fail "the last-game file does not hold level 0: $(last_game "$folder")"

# A later start: the player's edits, deletions, own levels and level number stay as they are.
printf 'mine\r\n' >"$folder/01 Erster Bissen.ZVK"
rm "$folder/02 Um die Ecke.ZVK"
printf ' 4 \r\n' >"$folder/Zorvik letzter Spielstand"
play HOME="$home" "$prefix/bin/zorvik"
[[ $(cat "$folder/01 Erster Bissen.ZVK") == $'mine\r' ]] || fail "the launcher overwrote a level the player changed"
[[ ! -e "$folder/02 Um die Ecke.ZVK" ]] || fail "the launcher brought back a level the player deleted"
[[ $(last_game "$folder") == " 4 \r \n" ]] || fail "the level number was lost"
# --level 3 starts the third level, whatever the last game says.
play HOME="$home" "$prefix/bin/zorvik" --level 3
[[ $(last_game "$folder") == " 2 \r \n" ]] || fail "--level 3 did not start at level 3: $(last_game "$folder")"

# XDG_DATA_HOME moves the folder; a file already there under a pack name is kept.
data=$work/data
mkdir -p "$data/zorvik"
printf 'own\r\n' >"$data/zorvik/03 Zickzack.ZVK"
play HOME="$work/nowhere" XDG_DATA_HOME="$data" "$prefix/bin/zorvik"
[[ $(find "$data/zorvik" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into XDG_DATA_HOME"
[[ $(cat "$data/zorvik/03 Zickzack.ZVK") == $'own\r' ]] || fail "the first copy overwrote a file the player had"
[[ ! -e $work/nowhere ]] || fail "HOME was used although XDG_DATA_HOME is set"
# ZORVIK_LEVEL_FOLDER names the folder, an argument names it before that.
play HOME="$home" ZORVIK_LEVEL_FOLDER="$work/chosen" "$prefix/bin/zorvik"
[[ $(find "$work/chosen" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into ZORVIK_LEVEL_FOLDER"
play HOME="$home" ZORVIK_LEVEL_FOLDER="$work/chosen" "$prefix/bin/zorvik" "$work/argument"
[[ $(find "$work/argument" -name '*.ZVK' | wc -l) == "$packed" ]] || fail "the pack was not copied into the folder given"

# Two pack releases in a row, with a game that only says where it runs. Release 2 renames one level and adds one.
release() {
  cp -a "$prefix" "$work/$1"
  printf '#!/bin/sh\npwd >"$ZORVIK_TEST_LOG"\necho "$@" >>"$ZORVIK_TEST_LOG"\n' >"$work/$1/libexec/zorvik/zorvik"
}
release one
release two
level() { (cd "$pack" && ls -- *.ZVK | sed -n "$1p"); }
renamed=$(level 10) deleted=$(level 5) deleted_before=$(level 7)
mv "$work/two/share/zorvik/levels/$renamed" "$work/two/share/zorvik/levels/Ä $renamed"
echo "$renamed -> Ä $renamed" >>"$work/two/share/zorvik/levels/former-names"
printf '.\xF6\r\n' >"$work/two/share/zorvik/levels/99 Neu.ZVK"
start() {
  env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen ZORVIK_TEST_LOG="$work/log" "$work/$1/bin/zorvik" "${@:2}" ||
    fail "release $1 did not start"
}
count() { find "$1" -name '*.ZVK' | wc -l; }

f=$work/f
start one "$f" --level 4
[[ $(cat "$work/log") == "$f"$'\n'"--level 4" ]] || fail "the game was started as: $(cat "$work/log")"
rm "$f/$deleted"
start two "$f"
[[ -f "$f/99 Neu.ZVK" && -f "$f/Ä $renamed" && ! -e "$f/$renamed" ]] ||
  fail "release two did not bring the new level and rename the renamed one: $(ls "$f")"
[[ ! -e "$f/$deleted" ]] || fail "release two brought back a deleted level"
((packed == $(count "$f"))) || fail "$(count "$f") levels after release two"
# A folder of release 1.0, which kept only a marker: a changed level under its former name is not copied again,
# one the player deleted does not come back, and the marker gives way to the list.
old=$work/old
mkdir "$old"
cp "$pack"/*.ZVK "$old"
: >"$old/.zorvik-pack-copied"
printf 'mine\r\n' >"$old/$renamed"
rm "$old/$deleted_before"
start two "$old"
[[ $(cat "$old/$renamed") == $'mine\r' && ! -e "$old/Ä $renamed" ]] || fail "a changed renamed level was doubled"
[[ -f "$old/99 Neu.ZVK" && ! -e "$old/$deleted_before" && ! -e "$old/.zorvik-pack-copied" ]] ||
  fail "the 1.0 folder was not brought up to release two: $(ls -A "$old")"
# A start killed while copying: its unfinished copy is removed, and a level cut short is completed.
cut=$work/cut
mkdir "$cut"
head -c 10 "$pack/01 Erster Bissen.ZVK" >"$cut/01 Erster Bissen.ZVK"
echo part >"$cut/.zorvik-copy.12345"
start one "$cut"
cmp -s "$cut/01 Erster Bissen.ZVK" "$pack/01 Erster Bissen.ZVK" || fail "a level cut short was not completed"
[[ ! -e $cut/.zorvik-copy.12345 ]] || fail "an unfinished copy was left"

# Whatever has a pack level's name is the player's, a link too: a dangling link under a new level's name and
# a link to an empty file under a renamed one's used to be replaced by the pack's file. A list kept through a
# link stays a link, and one with CR LF line ends reads as with LF (a deleted level used to come back).
links=$work/links
start one "$links"
rm "$links/$deleted"
mkdir "$work/kept"
sed 's/$/\r/' "$links/.zorvik-pack-levels" >"$work/kept/list"
rm "$links/.zorvik-pack-levels"
ln -s "$work/kept/list" "$links/.zorvik-pack-levels"
ln -s "$work/nowhere" "$links/99 Neu.ZVK"
: >"$work/kept/empty"
ln -s "$work/kept/empty" "$links/Ä $renamed"
start two "$links"
[[ -L "$links/99 Neu.ZVK" && ! -e "$links/99 Neu.ZVK" && ! -e $work/nowhere ]] || fail "a dangling link was replaced"
[[ -L "$links/Ä $renamed" && ! -s $work/kept/empty && -f "$links/$renamed" ]] || fail "a link to an empty file was replaced"
[[ ! -e "$links/$deleted" ]] || fail "a list with CR LF brought back a deleted level"
[[ -L $links/.zorvik-pack-levels ]] && grep -qx "99 Neu.ZVK" "$work/kept/list" || fail "the list's link was not written through"

# A folder named like an option or like "cd -"'s $OLDPWD is a folder all the same; so is a relative one in
# ZORVIK_LEVEL_FOLDER. A relative XDG_DATA_HOME is no base directory: the folder is under HOME.
mkdir "$work/here"
cd "$work/here"
for folder in "-- -" "-- -x" "-"; do
  start one $folder
  [[ $(head -1 "$work/log") == "$work/here/${folder#-- }" && -f "${folder#-- }/01 Erster Bissen.ZVK" ]] ||
    fail "zorvik $folder played in $(head -1 "$work/log")"
done
env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen ZORVIK_TEST_LOG="$work/log" OLDPWD=/ ZORVIK_LEVEL_FOLDER=- \
  "$work/two/bin/zorvik" || fail "ZORVIK_LEVEL_FOLDER=- did not start"
[[ $(head -1 "$work/log") == "$work/here/-" ]] || fail "ZORVIK_LEVEL_FOLDER=- played in $(head -1 "$work/log")"
env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen ZORVIK_TEST_LOG="$work/log" HOME="$work/relhome" XDG_DATA_HOME=data \
  "$work/one/bin/zorvik" || fail "a relative XDG_DATA_HOME did not start"
[[ $(head -1 "$work/log") == "$work/relhome/.local/share/zorvik" && ! -e data ]] ||
  fail "a relative XDG_DATA_HOME was taken: $(head -1 "$work/log")"
# Few descriptors: one line says so, in the player's language; the game starts all the same, and below 7
# nothing is made.
for limit in 6 16; do
  status=0 language=C said="zorvik: only $limit files may be open at once (ulimit -n $limit)"
  ((limit < 7)) || language=de_DE.UTF-8 said="zorvik: nur $limit Dateien dürfen zugleich offen sein (ulimit -n $limit)"
  (for fd in /proc/self/fd/*; do fd=${fd##*/}; ((fd > 2)) && eval "exec $fd>&-" 2>/dev/null || true; done
    ulimit -n $limit && exec env -i PATH="$PATH" LANG=$language QT_QPA_PLATFORM=offscreen ZORVIK_TEST_LOG="$work/log" \
    "$work/one/bin/zorvik" few$limit) 2>"$work/out" || status=$?
  [[ $(wc -l <"$work/out") == 1 && $(cat "$work/out") == "$said"* ]] || fail "limit $limit: $(cat "$work/out")"
  if ((limit < 7)); then
    ((status == 1)) && [[ ! -e few$limit ]] || fail "limit $limit: status $status, $(ls -d few*)"
  else
    ((status == 0)) && [[ $(head -1 "$work/log") == "$work/here/few$limit" ]] || fail "limit $limit: status $status"
  fi
done
# The game itself takes such a folder after --: it counts the levels of ./-g, not of the working folder.
mkdir -- -g
cp "$pack/01 Erster Bissen.ZVK" ./-g/
status=0
env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen "$prefix/libexec/zorvik/zorvik" --level 9 -- -g >"$work/out" 2>&1 || status=$?
((status == 2)) && grep -q "holds 1 level$" "$work/out" || fail "the game with the folder -g: $(cat "$work/out")"
cd "$work"
echo "install and launch: ok"

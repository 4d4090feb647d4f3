#!/usr/bin/env bash
# Typing through other keyboard layouts, on a scratch copy of the development content:
# under French AZERTY, then German QWERTZ (set on the test's own X display, and put
# back at the end), a new prefab's name is typed with xdotool into the edit palette;
# it arrives as typed, letters that sit elsewhere on those keyboards and accented
# ones alike, and Save all writes a file of exactly that name, which the next start
# loads. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
prefabs="$dir/dev/Prefabs"

# An X server forgets its layout when its last client goes: a client that only waits
# keeps it up between the games.
xdotool sleep 100000 &
keeper=$!
old_layout=$(setxkbmap -query | awk '/^layout:/ {print $2}')
restore() {
  setxkbmap -layout "${old_layout:-us}" || true
  kill "$keeper" 2>/dev/null || true
  end_scratch_game
}
trap restore EXIT

# Window pixels: the prefab list's "Add" (its first button, below the filter and
# twelve rows), the edit palette's name field.
add_x=1077; add_y=337
name_x=465; name_y=123
settle() { screenshot settled >/dev/null; }

run() {  # layout name
  setxkbmap -layout "$1"
  [ "$(setxkbmap -query | awk '/^layout:/ {print $2}')" = "$1" ] || { echo "setxkbmap $1 did not take"; exit 1; }
  start_game
  sleep 1.5
  hold_key F11; settle
  click "$add_x" "$add_y"  # a new prefab; the name field opens for its name
  settle
  xdotool type --delay 200 "$2"
  screenshot "typing-$1" >/dev/null
  hold_key Return; settle
  xdotool keydown ctrl keydown shift; hold_key s; xdotool keyup shift keyup ctrl
  wait_until 20 "Save all wrote $2.json under $1" '[ -s "$prefabs/$2.json" ]'
  screenshot "typed-$1" >/dev/null
  close_and_expect_clean_exit
}

run fr "Ämeise_é_aqwzm"
run de "Ämeise_é_yzß"
[ -s "$prefabs/Ämeise_é_aqwzm.json" ] || { echo "the first name's file went"; exit 1; }
if grep -F "Ämeise" "$dir/err"; then echo "the second start had something to say about the first prefab"; exit 1; fi
echo "editor typing: names typed under fr and de arrive as typed, accents included, and save as files of those names"

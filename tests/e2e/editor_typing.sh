#!/usr/bin/env bash
# Typing through other keyboard layouts, on a scratch copy of the development content:
# under French AZERTY, then German QWERTZ (set on the test's own X display, and put
# back at the end), a new prefab's name is typed with xdotool into the edit palette;
# it arrives as typed, letters that sit elsewhere on those keyboards, accented ones
# and one made with a dead key alike ("€" is refused with a message), and Save all
# writes a file of exactly that name, which the next start loads. SCREENSHOTS=<dir> keeps the pictures.
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
xdotool sleep 300 &  # outlives the test (its timeout is 180 s), never the machine
keeper=$!
old_layout=$(setxkbmap -query | awk '/^layout:/ {print $2}')
restore() {
  setxkbmap -layout "${old_layout:-us}" || true
  kill "$keeper" 2>/dev/null || true
  end_scratch_game
}
trap restore EXIT

# Window pixels: the prefab list's "Add" (below the filter, the rows down to the entry list and the
# scroll buttons), the edit palette's name field.
add_x=1077; add_y=339
name_x=465; name_y=123

run() {  # layout typed saved-name
  setxkbmap -layout "$1"
  [ "$(setxkbmap -query | awk '/^layout:/ {print $2}')" = "$1" ] || { echo "setxkbmap $1 did not take"; exit 1; }
  start_game
  sleep 1.5
  hold_key F11; settle
  click "$add_x" "$add_y"  # a new prefab; the name field opens for its name
  settle
  xdotool type --delay 200 "$2"
  if [ "$1" = de ]; then hold_key dead_acute; hold_key e; fi  # é, as a German keyboard types it
  screenshot "typing-$1" >/dev/null
  hold_key Return; settle
  xdotool keydown ctrl keydown shift; hold_key s; xdotool keyup shift keyup ctrl
  saved="$prefabs/$3.json"
  wait_until 20 "Save all wrote $3.json under $1" '[ -s "$saved" ]'
  screenshot "typed-$1" >/dev/null
  if [ "$1" = de ]; then  # AltGr+E into the prefab filter: a sign no font of the editor holds
    click 1215 75
    xdotool type "€"
    wait_until 20 "€ was refused with a message" 'grep -qF "Cannot type \"€\"" "$dir/err"'
  fi
  if [ "$1" = fr ]; then
    show_stone
    close_and_expect_clean_exit twice  # the renamed stone is unsaved
  else
    close_and_expect_clean_exit
  fi
}

# For the picture: the stone at world (8.5, 3.5) picked, renamed with accents, and its
# edit palette scrolled down to its fixture's long shape text, cut at the field.
show_stone() {
  xdotool mousemove --window "$window" 912 248; sleep 0.1; xdotool mousedown 3; sleep 0.1; xdotool mouseup 3
  settle
  xdotool mousemove --window "$window" "$name_x" "$name_y"; sleep 0.1
  xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.4
  xdotool type --delay 150 "Caillou_éèçàù"
  hold_key Return
  for _ in $(seq 1 8); do click 465 211; done  # "Scroll down"
  settle
  sleep 4  # only for the picture: the last screenshot's message fades first
  screenshot editor-typing >/dev/null
}

# Each name holds letters that sit elsewhere than on a US keyboard and accented ones
# its layout has a key for; under de a dead key adds "é". Dead keys compose through
# the input method of the game's locale, the same on every host.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
run fr "Fourmi_çé_aqwzm" "Fourmi_çé_aqwzm"
run de "Ämeise_ßö_yz" "Ämeise_ßö_yzé"
[ -s "$prefabs/Fourmi_çé_aqwzm.json" ] || { echo "the first name's file went"; exit 1; }
if grep -F "aqwzm" "$dir/err"; then echo "the second start had something to say about the first prefab"; exit 1; fi
echo "editor typing: names typed under fr and de arrive as typed, accents included, and save as files of those names; € is refused with a message"

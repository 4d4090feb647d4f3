#!/usr/bin/env bash
# Closing the editor lets the game run on, as a player expects: F1 then F11, and F1
# then F1 (a play-test), leave the ants moving. The "Paused" mark at the top of the
# screen stands while the editor's pause (F1, or the main palette's "Pause game") or
# the pause menu holds the game, and goes with them. SCREENSHOTS=<dir> keeps the
# pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content

mark=(590 14 100 24)    # inside the mark's panel, top centre
field=1280x400+0+320    # below the palettes and the HUD's messages

mark_is() {  # shown|gone name: the light panel of the mark is there or not
  local b
  b=$(brightness "$(screenshot "$2")" "${mark[@]}")
  if [ "$1" = shown ]; then awk -v b="$b" 'BEGIN { exit !(b > 0.5) }'; else awk -v b="$b" 'BEGIN { exit !(b < 0.45) }'; fi
}
# The ants move: two pictures 1.5 s apart differ in the field (tries a few times,
# since the ants may stand still for a moment).
ants_move() {  # name
  local first second n
  for _ in 1 2 3; do
    first=$(screenshot "$1")
    sleep 1.5
    second=$(screenshot "$1-later")
    n=$(compare -metric AE -fuzz 8% -crop "$field" "$first" "$second" null: 2>&1 || true)
    n=${n%% *}
    [ "${n%.*}" -gt 300 ] && return 0
  done
  echo "the ants stand still: $1 ($n pixels changed)"
  return 1
}
field_still() {  # name
  local first second n
  first=$(screenshot "$1")
  sleep 1
  second=$(screenshot "$1-later")
  n=$(compare -metric AE -crop "$field" "$first" "$second" null: 2>&1 || true)
  [ "${n%% *}" = 0 ] || { echo "the field moved while paused: $1 ($n pixels)"; return 1; }
}

start_game
xdotool mousemove --window "$window" 640 700
wait_until 30 "the game runs without the mark" 'mark_is gone start'
ants_move playing

hold_key F1
wait_until 20 "the mark after F1" 'mark_is shown editor-paused'
field_still editor-still
hold_key F11
wait_until 20 "F11 to close the editor and take the mark" 'mark_is gone editor-closed-f11'
ants_move after-f11

hold_key F11  # over the running game; the main palette's "Pause game" pauses it
sleep 0.5
mark_is gone editor-open-f11 || { echo "F11 paused the game"; exit 1; }
click 110 218
xdotool mousemove --window "$window" 640 700
wait_until 20 "the mark after Pause game" 'mark_is shown pause-game'
click 110 218
xdotool mousemove --window "$window" 640 700
wait_until 20 "Pause game off to take the mark" 'mark_is gone pause-game-off'
hold_key F11
sleep 0.5

hold_key F1
wait_until 20 "the mark after F1 again" 'mark_is shown editor-paused-again'
hold_key F1
wait_until 20 "F1 (the play-test) to close the editor and take the mark" 'mark_is gone play-test'
ants_move play-test

hold_key Escape
wait_until 20 "the mark over the pause menu" 'mark_is shown menu'
hold_key Escape
wait_until 20 "Esc to close the menu and take the mark" 'mark_is gone menu-closed'
ants_move after-menu

close_and_expect_clean_exit
echo "editor close: F1+F11 and F1+F1 play on; the Paused mark follows the editor's pause and the menu"

#!/usr/bin/env bash
# Text typed just before Enter lands whole, with the game slowed to about 3 frames a
# second and at full speed: F1, a right click on the stone at (8.5, 3.5), its
# sprite's "Size.X" typed in the edit palette as "3.75" (a key every 120 ms, Enter
# at once, as xdotool types), its name typed the same way, Alt+S: the level file
# holds both as typed. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"
cp "$level" "$dir/original.json"

stone_x=912; stone_y=248  # world (8.5, 3.5) through the 32 px-per-unit camera
edit_x=110; edit_y=189    # "Edit" in the main palette
field_x=465               # the value column of the edit palette
name_y=123; size_x_y=585  # its "Name" and "Size.X" rows for a stone
name="a/../../evil-$(printf 'long%.0s' $(seq 1 20))-end"

rclick() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.1; xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; }
# Waits until the w x h box at x,y of a screenshot is brighter (a field) or darker
# (a button) than the ground under it: a palette drawn there.
wait_for_palette() {  # x y w h comparison
  for _ in $(seq 1 30); do
    [ "$(python3 -c "print($(brightness "$(screenshot palette)" "$1" "$2" "$3" "$4") $5)")" = True ] && return 0
    sleep 0.3
  done
  echo "no palette appeared at $*"; exit 1
}
# A right click empties the field; the text is typed, then Enter comes at once.
type_and_enter() {  # y text
  rclick "$field_x" "$1"
  sleep 0.5
  xdotool type --delay 120 "$2"
  xdotool key Return
}
# The level entry of the stone at (8.5, 3.5), printed; exits 1 unless it holds the
# typed size and name.
check_stone() {
  python3 - "$level" "$name" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))["AutoCreate"]
at = {"X": "8.5", "Y": "3.5"}
stone = next(e for e in entries if e.get("InstanceProperties", {}).get("B2BodyComponent", {}).get("Pos") == at)
print(stone)
size, named = stone["InstanceProperties"]["SpriteComponent"]["Size"]["X"], stone.get("Name")
sys.exit(0 if float(size) == 3.75 and named == sys.argv[2] else 1)
PY
}
# Alt+S, then polls the level file until the stone holds the typed size and name;
# Alt+S again after 7 s (a save key that shares a slow frame with the Enter that
# ended editing goes to the field), three times.
save_and_check() {  # what the run is called
  for _ in 1 2 3; do
    xdotool keydown alt; hold_key s; xdotool keyup alt
    for _ in $(seq 1 14); do
      check_stone >/dev/null && return 0
      sleep 0.5
    done
  done
  check_stone || true
  echo "$1: the level file does not hold Size.X 3.75 and the name as typed"; cat "$dir/err"; exit 1
}

run() {  # what the run is called
  cp "$dir/original.json" "$level"
  start_game
  xdotool mousemove --window "$window" 640 700
  sleep 1.5
  hold_key F1
  wait_for_palette 14 112 8 12 "< 0.32"  # "Object list" in the main palette: the editor is open
  rclick "$stone_x" "$stone_y"
  sleep 0.5
  click "$edit_x" "$edit_y"
  wait_for_palette 400 $((size_x_y - 6)) 120 12 "> 0.65"
  type_and_enter "$size_x_y" 3.75
  sleep 0.5
  type_and_enter "$name_y" "$name"
  sleep 0.5
  screenshot "typed-$1" >/dev/null
  save_and_check "$1"
  close_and_expect_clean_exit
}

export VELLIMOR_TEST_FRAME_DELAY_MS=330
run slowed
unset VELLIMOR_TEST_FRAME_DELAY_MS
run "full speed"
echo "typed before Enter: Size.X 3.75 and a $(printf %s "$name" | wc -c)-character name saved as typed, slowed and at full speed"

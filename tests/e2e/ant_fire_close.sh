#!/usr/bin/env bash
# Closing the window while an ant burns ends the game cleanly (exit 0, no crash
# report), with an audio device (its crackle playing) and without one. The scratch
# content keeps the ants idle, so the magnifying glass can dwell on one.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
sed -i -e 's/"IdleTimeMin": "[0-9.]*"/"IdleTimeMin": "600"/' -e 's/"IdleTimeMax": "[0-9.]*"/"IdleTimeMax": "600"/' \
  "$dir/Content/Prefabs/En_Ant.json"
# The first ant of the level, in window pixels (32 a unit, the origin in the middle).
read -r ant_x ant_y < <(python3 -c '
import json, sys
level = json.load(open(sys.argv[1]))
for entry in level["AutoCreate"]:
    if entry.get("Prefab") == "En_Ant":
        p = entry["InstanceProperties"]["B2BodyComponent"]["Pos"]
        print(round(640 + 32 * float(p["X"])), round(360 - 32 * float(p["Y"])))
        break
' "$dir/Content/Prefabs/Lvl_TestLevel2.json")

# The glass dwells on the ant a second at a time; between the dwells the feed tool
# hides it, so that the picture of the ant shows only the ant and its flames.
burn_and_close() {  # label
  start_game
  sleep 1
  click 128 48
  xdotool mousemove --window "$window" 1270 710
  local before share=0 i
  before=$(screenshot "cold-$1")
  for i in $(seq 1 20); do  # game time may lag the clock on a loaded machine
    click 208 48
    xdotool mousemove --window "$window" "$ant_x" "$ant_y"
    sleep 1
    click 128 48
    xdotool mousemove --window "$window" 1270 710
    share=$(new_flame_share "$before" "$(screenshot "burning-$1")" $((ant_x - 50)) $((ant_y - 80)) 100 110)
    awk -v s="$share" 'BEGIN { exit !(s > 0.02) }' && break
  done
  awk -v s="$share" 'BEGIN { exit !(s > 0.02) }' || { echo "$1: the ant under the glass did not catch fire"; exit 1; }
  close_and_expect_clean_exit
  echo "$1: the ant burnt after $i dwells (new flame share $share); closed cleanly"
}

burn_and_close with-audio
ALSOFT_DRIVERS=none burn_and_close without-audio

#!/usr/bin/env bash
# The palettes as a designer meets them, on scratch copies of the build and of the
# development content: F1, the object list walked down to the level, a stone chosen
# in it, its "Pos" X typed into the edit palette with Enter, Ctrl+S: the level file
# differs in exactly that value. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"

# The first stone of the level becomes its first object: the editor reloads the level
# from its file and keeps that order while the game is paused.
python3 - "$level" <<'PY'
import json, sys
tree = json.load(open(sys.argv[1]))
entries = tree["AutoCreate"]
stone = next(i for i, e in enumerate(entries) if e["Prefab"] == "Stone")
entries.insert(0, entries.pop(stone))
json.dump(tree, open(sys.argv[1], "w"), indent=4)
PY
cp "$level" "$dir/original.json"

lclick() { click "$1" "$2"; settle; }
rclick() { xdotool mousemove --window "$window" "$1" "$2"; xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; settle; }
start_game
xdotool mousemove --window "$window" 640 700
sleep 1.5
hold_key F1
settle
lclick 110 122  # "Object list"
lclick 110 189  # "Edit"
rclick 60 404   # GameplayRoot
rclick 60 424   # GameplayScreen
rclick 60 404   # Level
lclick 60 404   # the stone
settle          # the palette builds its rows
rclick 465 409  # "Pos.X" of its body, cleared
xdotool type --delay 120 "3.5"
sleep 0.2
hold_key Return
xdotool mousemove --window "$window" 640 700; sleep 0.3
screenshot palettes-edited >/dev/null
xdotool keydown ctrl; hold_key s; xdotool keyup ctrl
for _ in $(seq 1 20); do
  cmp -s "$dir/original.json" "$level" || break
  sleep 0.5
done

python3 - "$dir/original.json" "$level" <<'PY' || { echo "Ctrl+S did not save the typed X alone"; exit 1; }
import json, sys
old, new = json.load(open(sys.argv[1])), json.load(open(sys.argv[2]))
body = new["AutoCreate"][0]["InstanceProperties"]["B2BodyComponent"]
assert float(body["Pos"]["X"]) == 3.5, ("X", body)
body["Pos"]["X"] = old["AutoCreate"][0]["InstanceProperties"]["B2BodyComponent"]["Pos"]["X"]
changed = [(a, b) for a, b in zip(old["AutoCreate"], new["AutoCreate"]) if a != b]
assert old == new, ("other values changed", changed[:3])
PY

# The level itself stays marked as changed (Ctrl+S wrote one object's values): the
# close asks, and a second close quits.
close_and_expect_clean_exit twice
echo "palettes: a stone found through the object list, its X typed in the edit palette, saved alone with Ctrl+S"

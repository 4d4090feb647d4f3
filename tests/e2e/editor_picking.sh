#!/usr/bin/env bash
# Picking as drawn, on scratch copies of the build and of content/, in the level
# "Stony Corner" whose soil tiles lie under everything: a soil tile placed on an ant
# (after it in the level) leaves a right click on the ant selecting the ant (Delete
# and Alt+S remove exactly that ant from the file), not the soil drawn below it; a
# right click on bare ground selects nothing (Delete then removes nothing); box
# select over ground and objects, then Delete, takes the objects and leaves the
# ground, on screen and in the saved file. The ground's layer is locked by default.
# SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"
cp "$level" "$dir/original.json"

# Window pixels (32 a world unit, the origin at the centre) of an ant no other object
# comes near, of a point of bare ground, and of a box around that point holding
# objects; all right of the main and edit palettes and left of the prefab list.
read -r ax ay gx gy bx1 by1 bx2 by2 < <(python3 - "$level" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))["AutoCreate"]
def pos(e):
    props = e.get("InstanceProperties") or {}
    for c in ("B2BodyComponent", "Pos2dComponent"):
        if c in props and "Pos" in props[c]:
            return float(props[c]["Pos"]["X"]), float(props[c]["Pos"]["Y"])
things = [(e["Prefab"], pos(e)) for e in entries if e["Prefab"] not in ("Soil", "Wall")]
px = lambda x, y: (round(640 + 32 * x), round(360 - 32 * y))
inside = lambda x, y: 580 <= px(x, y)[0] <= 1020 and 150 <= px(x, y)[1] <= 680
def clear(x, y, reach, but=None):
    return all(max(abs(x - a), abs(y - b)) >= reach for k, (name, (a, b)) in enumerate(things) if k != but)
ant = next(px(*p) for k, (name, p) in enumerate(things) if name == "En_Ant" and inside(*p) and clear(*p, 1.6, k))
def box_around(x, y):
    low, high = (x - 4, y - 3), (x + 4, y + 3)
    held = [p for _, p in things if low[0] + 1 < p[0] < high[0] - 1 and low[1] + 1 < p[1] < high[1] - 1]
    return held and inside(*low) and inside(*high) and (low, high)
ground = next((x / 2, y / 2) for y in range(-20, 21) for x in range(-40, 41)
              if inside(x / 2, y / 2) and clear(x / 2, y / 2, 2.5) and box_around(x / 2, y / 2))
low, high = box_around(*ground)
print(*ant, *px(*ground), *px(low[0], high[1]), *px(high[0], low[1]))
PY
)
[ -n "${by2:-}" ] || { echo "the level has no clear ant or bare ground to click"; exit 1; }

count() {  # file prefab: how many entries of the level make that prefab
  python3 -c 'import json,sys; print(sum(e["Prefab"] == sys.argv[2] for e in json.load(open(sys.argv[1]))["AutoCreate"]))' "$1" "$2"
}
rightclick() { right_click "$1" "$2"; settle; }
undo() { chord ctrl z; settle; }
ants=$(count "$level" En_Ant)
soil=$(count "$level" Soil)

start_game
xdotool mousemove --window "$window" 640 700
sleep 1.5
hold_key F1; settle
click 110 189  # "Edit": the edit palette shows what a right click selects
settle
# A soil tile placed on the ant, after it in the level: "[" three times goes from the
# first kind of object (Stone) back past Wall to Soil; a left click places it.
for _ in 1 2 3; do hold_key bracketleft; settle; done
click "$ax" "$ay"; settle
save_level
wait_until 20 "a soil tile is placed over the ant and saved" 'test "$(count "$level" Soil)" -eq $((soil + 1))'
soil=$((soil + 1))
cp "$level" "$dir/original.json"
unpicked=$(screenshot editor-unpicked)

rightclick "$ax" "$ay"
sleep 3  # only for the picture: the last screenshot's message fades
picked=$(screenshot editor-picking)
[ "$(changed "$unpicked" "$picked" 300x400+240+200 12)" -gt 1000 ] || { echo "the edit palette did not show the ant"; exit 1; }
hold_key Delete; settle
save_level
wait_until 20 "Delete and Alt+S remove the right-clicked ant" 'test "$(count "$level" En_Ant)" -eq $((ants - 1))'
[ "$(count "$level" Soil)" -eq "$soil" ] || { echo "the right click on the ant picked a soil tile too"; exit 1; }
python3 - "$dir/original.json" "$level" "$ax" "$ay" <<'PY' || { echo "the deleted ant is not the one clicked"; exit 1; }
import json, sys
def ants(path):
    return [e["InstanceProperties"]["B2BodyComponent"]["Pos"] for e in json.load(open(path))["AutoCreate"] if e["Prefab"] == "En_Ant"]
gone = [p for p in ants(sys.argv[1]) if p not in ants(sys.argv[2])]
x, y = float(gone[0]["X"]), float(gone[0]["Y"])
assert len(gone) == 1 and (round(640 + 32 * x), round(360 - 32 * y)) == (int(sys.argv[3]), int(sys.argv[4])), gone
PY
undo
save_level
wait_until 20 "Ctrl+Z and Alt+S bring the ant back" 'cmp -s "$level" "$dir/original.json"'

# The ant is selected again (the undo selects what it brought back): a right click on
# bare ground must clear the selection, so Delete finds nothing to delete.
rightclick "$gx" "$gy"
hold_key Delete; settle
save_level; settle
cmp -s "$level" "$dir/original.json" || { echo "a right click on bare ground selected something"; exit 1; }

before=$(screenshot editor-before-box)
xdotool mousemove --window "$window" "$bx1" "$by1"; sleep 0.1
hold_key b; settle
xdotool mousedown 1; settle  # the corner is where the pointer is in the frame that sees the press
for step in 1 2 3 4; do
  xdotool mousemove --window "$window" $((bx1 + (bx2 - bx1) * step / 4)) $((by1 + (by2 - by1) * step / 4)); sleep 0.05
done
settle
xdotool mouseup 1; settle
screenshot editor-box-selected >/dev/null
hold_key Delete
xdotool mousemove --window "$window" 640 700; settle
after=$(screenshot editor-box-deleted)
patch="40x40+$((gx - 20))+$((gy - 20))"
[ "$(changed "$before" "$after" "$patch" 12)" -lt 160 ] || { echo "the ground under the box changed on screen"; exit 1; }
[ "$(changed "$before" "$after" "$((bx2 - bx1))x$((by2 - by1))+$bx1+$by1" 12)" -gt 500 ] ||
  { echo "box select and Delete took nothing away"; exit 1; }
save_level
wait_until 20 "Alt+S saves the box's deletion" '! cmp -s "$level" "$dir/original.json"'
[ "$(count "$level" Soil)" -eq "$soil" ] || { echo "box select and Delete took soil tiles away"; exit 1; }
[ "$(count "$level" Wall)" -eq "$(count "$dir/original.json" Wall)" ] || { echo "box select and Delete took walls away"; exit 1; }

close_and_expect_clean_exit
echo "editor picking: the ant over soil is picked, bare ground clears the selection, box select spares the ground"

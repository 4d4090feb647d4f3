#!/usr/bin/env bash
# The level editor as a designer meets it, on a scratch copy of the build whose
# configuration points the development content at a scratch copy of content/: F1
# freezes the field; a stone grabbed 64 px right saves with its "Pos" X grown by 2
# and no other byte changed; a grab ended with Esc saves the same bytes; a delete
# taken back with Ctrl+Z saves the same bytes; F1 writes the working copy and F1
# again brings the layout back. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"

# The screen pixel of a stone that no later object of the level covers.
stone=$(python3 - "$level" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))["AutoCreate"]
def pos(e):
    props = e.get("InstanceProperties") or {}
    for c in ("B2BodyComponent", "Pos2dComponent"):
        if c in props and "Pos" in props[c]:
            return float(props[c]["Pos"]["X"]), float(props[c]["Pos"]["Y"])
for i, e in enumerate(entries):
    if e["Prefab"] != "Stone":
        continue
    x, y = pos(e)
    later = [pos(o) for o in entries[i + 1:] if pos(o)]
    if all(abs(x - a) >= 1.5 or abs(y - b) >= 1.5 for a, b in later) and -19 < x < 17 and abs(y) < 10:
        print(i, int(640 + 32 * x), int(360 - 32 * y))
        break
PY
)
read -r index sx sy <<<"$stone"
[ -n "$index" ] || { echo "no stone stands clear of the other objects"; exit 1; }

start_game
xdotool mousemove --window "$window" "$sx" "$sy"
sleep 1.5
hold_key F1
sleep 0.5
frozen=$(screenshot editor-open)
sleep 0.5
differ=$(compare -metric AE -crop "1280x560+0+160" "$frozen" "$(screenshot editor-still)" null: 2>&1 || true)
[ "${differ%% *}" = 0 ] || { echo "the field moved in $differ pixels with the editor open"; exit 1; }

rightclick() { xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.2; }
leftclick() { xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2; }
save() { xdotool keydown alt; hold_key s; xdotool keyup alt; sleep 0.5; }
drag_right() {  # 64 px in steps, as a hand moves
  for step in 16 32 48 64; do xdotool mousemove --window "$window" $((sx + step)) "$sy"; sleep 0.05; done
  sleep 0.2
}
cp "$level" "$dir/original.json"

rightclick
screenshot editor-selection >/dev/null
hold_key g; drag_right; leftclick
save
python3 - "$dir/original.json" "$level" "$index" <<'PY' || { echo "the grab did not save as one grown X"; exit 1; }
import json, sys
a, b = open(sys.argv[1]).read().splitlines(), open(sys.argv[2]).read().splitlines()
changed = [(x, y) for x, y in zip(a, b) if x != y]
assert len(a) == len(b) and len(changed) == 1, changed
old = json.load(open(sys.argv[1]))["AutoCreate"][int(sys.argv[3])]["InstanceProperties"]["B2BodyComponent"]["Pos"]["X"]
new = json.load(open(sys.argv[2]))["AutoCreate"][int(sys.argv[3])]["InstanceProperties"]["B2BodyComponent"]["Pos"]["X"]
assert float(new) == float(old) + 2, (old, new)
PY
cp "$level" "$dir/grabbed.json"

hold_key g; xdotool mousemove --window "$window" "$((sx + 200))" "$((sy - 50))"; sleep 0.3; hold_key Escape
save
cmp -s "$level" "$dir/grabbed.json" || { echo "G, Esc, Alt+S changed the level file"; exit 1; }

xdotool mousemove --window "$window" "$((sx + 64))" "$sy"; sleep 0.2
rightclick; hold_key Delete; sleep 0.2
xdotool keydown ctrl; hold_key z; xdotool keyup ctrl; sleep 0.3
save
cmp -s "$level" "$dir/grabbed.json" || { echo "Ctrl+Z after a delete did not save the same bytes"; exit 1; }

hold_key a; sleep 0.3  # the restored object was selected: clear it
xdotool mousemove --window "$window" 1270 710; sleep 0.3
edited=$(screenshot editor-before-play)
hold_key F1; sleep 1.5
[ -s "$dir/dev/Prefabs/Lvl_WorkingCopy.json" ] && grep -q '"Prefab": "Stone"' "$dir/dev/Prefabs/Lvl_WorkingCopy.json" ||
  { echo "F1 did not write the working copy"; exit 1; }
hold_key F1; sleep 0.8
# The main palette's column is left out: its unsaved line rightly tells of the level.
back=$(compare -metric AE -fuzz 6% -crop "1060x560+220+160" "$edited" "$(screenshot editor-reopened)" null: 2>&1 || true)
[ "${back%%.*}" -lt 400 ] || { echo "F1 again did not bring the layout back ($back pixels differ)"; exit 1; }

# The level came back marked as changed: closing asks first, a second close quits
# and leaves the layout in the recovery directory.
close_and_expect_clean_exit twice
[ -s "$state_dir/Recovery/Lvl_TestLevel2.json" ] || { echo "no recovery file for the unsaved level"; exit 1; }
echo "editor: frozen field, grab saved as X + 2, Esc and undo save the same bytes, play-test round trip"

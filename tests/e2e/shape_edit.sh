#!/usr/bin/env bash
# The shape editor as a designer meets it, on scratch copies of the build and of the
# development content: F1, a right click on a stone, Ctrl+E, one corner of its polygon
# dragged outwards, Enter, Ctrl+S: the level's entry of that stone (which stores the
# stone's own shape) differs in its "Shape" alone, the corner is further out, and the
# game loads it again.
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

# A stone clear of later objects, the screen pixels of its middle and of one corner,
# and where that corner goes: 60 % further out, which keeps the polygon convex.
read -r index sx sy cx cy tx ty < <(python3 - "$level" <<'PY'
import json, math, sys
entries = json.load(open(sys.argv[1]))["AutoCreate"]
def place(e):
    body = (e.get("InstanceProperties") or {}).get("B2BodyComponent") or {}
    pos = body.get("Pos")
    return (float(pos["X"]), float(pos["Y"]), float(body.get("Angle", 0))) if pos else None
for i, e in enumerate(entries):
    if e["Prefab"] != "Stone" or not place(e):
        continue
    x, y, a = place(e)
    later = [place(o) for o in entries[i + 1:] if place(o)]
    if all(abs(x - p[0]) >= 2.5 or abs(y - p[1]) >= 2.5 for p in later) and -17 < x < 15 and -8 < y < 8:
        shape = e["InstanceProperties"]["B2FixtureComponent"]["Shape"].split()[1:]
        points = [(float(shape[k]), float(shape[k + 1])) for k in range(0, len(shape), 2)]
        px, py = max(points, key=lambda p: p[0])
        def screen(bx, by):
            wx = x + bx * math.cos(a) - by * math.sin(a)
            wy = y + bx * math.sin(a) + by * math.cos(a)
            return int(round(640 + 32 * wx)), int(round(360 - 32 * wy))
        print(i, *screen(0, 0), *screen(px, py), *screen(px * 1.6, py * 1.6))
        break
PY
)
[ -n "${tx:-}" ] || { echo "no stone stands clear of the other objects"; exit 1; }

start_game
xdotool mousemove --window "$window" "$sx" "$sy"
sleep 1.5
hold_key F1; sleep 0.5
click 110 122  # "Object list": its Ctrl+S writes the object back into its prefab
click 110 189  # "Edit": its Ctrl+E opens the shape editor
xdotool mousemove --window "$window" "$sx" "$sy"; sleep 0.2
xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.3
xdotool keydown ctrl; hold_key e; xdotool keyup ctrl; sleep 0.3
xdotool mousemove --window "$window" "$cx" "$cy"; sleep 0.3
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4; do
  xdotool mousemove --window "$window" $((cx + (tx - cx) * step / 4)) $((cy + (ty - cy) * step / 4)); sleep 0.1
done
sleep 0.2
screenshot shape-dragging >/dev/null
xdotool mouseup 1; sleep 0.2
hold_key Return; sleep 0.3
xdotool keydown ctrl; hold_key s; xdotool keyup ctrl; sleep 0.8

python3 - "$dir/original.json" "$level" "$index" <<'PY' || { echo "Ctrl+S did not save the dragged shape alone"; exit 1; }
import json, sys
old, new = json.load(open(sys.argv[1])), json.load(open(sys.argv[2]))
fixture = lambda tree: tree["AutoCreate"][int(sys.argv[3])]["InstanceProperties"]["B2FixtureComponent"]
before, after = fixture(old)["Shape"], fixture(new)["Shape"]
assert after.startswith("Polygon ") and after != before, (before, after)
widest = lambda text: max(float(v) for v in text.split()[1::2])
assert widest(after) > widest(before) * 1.2, ("the corner did not move out", before, after)
fixture(new)["Shape"] = before
assert old == new, "other values changed"
PY

close_and_expect_clean_exit
start_game   # the saved shape loads again
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "the game did not start with the saved shape"; cat "$dir/err"; exit 1; }
! grep -qi "shape" "$dir/err" || { echo "the saved shape was reported:"; cat "$dir/err"; exit 1; }
close_and_expect_clean_exit
echo "shape editor: a stone's corner dragged out, saved into its level entry alone with Ctrl+S, loaded again"

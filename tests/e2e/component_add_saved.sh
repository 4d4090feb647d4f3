#!/usr/bin/env bash
# A component added to a placed object reaches the level file, on scratch copies of
# the build and of the development content: F1, a right click on a stone, Add in the
# edit palette, "TintComponent" typed into the picker and Enter: the main palette no
# longer says "All saved"; Alt+S: it does again, and the stone's entry in the level
# file holds the component. The game then starts on that file, and the stone keeps
# the component through the editor's reload and a second Alt+S.
# SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"

# A stone clear of later objects and the screen pixels of its middle.
read -r index sx sy < <(python3 - "$level" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))["AutoCreate"]
def place(e):
    pos = ((e.get("InstanceProperties") or {}).get("B2BodyComponent") or {}).get("Pos")
    return (float(pos["X"]), float(pos["Y"])) if pos else None
for i, e in enumerate(entries):
    if e["Prefab"] == "Stone" and place(e):
        x, y = place(e)
        later = [place(o) for o in entries[i + 1:] if place(o)]
        if all(abs(x - p[0]) >= 2.5 or abs(y - p[1]) >= 2.5 for p in later) and 0 < x < 15 and -8 < y < 8:
            print(i, int(round(640 + 32 * x)), int(round(360 - 32 * y)))
            break
PY
)
[ -n "${sy:-}" ] || { echo "no stone stands clear of the other objects"; exit 1; }

# The main palette's unsaved line (its left part) as a picture, to compare.
unsaved_line() { convert "$1" -crop 190x16+12+326 +repage "$2"; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }
stone_has_tint() {  # the stone's entry in the level file names the added component
  python3 - "$level" "$index" <<'PY'
import json, sys
entry = json.load(open(sys.argv[1]))["AutoCreate"][int(sys.argv[2])]
assert entry["Prefab"] == "Stone", entry
assert "TintComponent" in (entry.get("InstanceProperties") or {}), entry
PY
}
# Alt+S, then the level file renamed into place by the save (a new inode), within 5 s.
alt_s() {
  local before
  before=$(stat -c %i "$level")
  xdotool keydown alt; hold_key s; xdotool keyup alt
  for _ in $(seq 1 50); do [ "$(stat -c %i "$level")" != "$before" ] && return 0; sleep 0.1; done
  echo "Alt+S wrote no level file"; exit 1
}

start_game
xdotool mousemove --window "$window" "$sx" "$sy"
sleep 1.5
hold_key F1; sleep 0.5
click 110 189  # "Edit": the edit palette
unsaved_line "$(screenshot all-saved)" "$dir/saved-line.png"
xdotool mousemove --window "$window" "$sx" "$sy"; sleep 0.2
xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.5
click 277 189  # "Add"
xdotool type --delay 120 "TintComponent"
sleep 0.3
hold_key Return; sleep 0.5
xdotool mousemove --window "$window" 640 700; sleep 0.3
unsaved_line "$(screenshot component-added)" "$dir/added-line.png"
! same_picture "$dir/saved-line.png" "$dir/added-line.png" || { echo "the palette still says All saved"; exit 1; }
alt_s
sleep 0.3  # the palette's line is drawn again the next frame
unsaved_line "$(screenshot level-saved)" "$dir/after-line.png"
same_picture "$dir/saved-line.png" "$dir/after-line.png" || { echo "the palette does not say All saved after Alt+S"; exit 1; }
stone_has_tint || { echo "Alt+S did not write the added component into the stone's entry"; exit 1; }
close_and_expect_clean_exit

# The game starts on the saved file; F1 loads the level from it again, a nudge there
# and back marks it changed, and Alt+S writes what was loaded: the component is still
# there.
start_game
xdotool mousemove --window "$window" "$sx" "$sy"
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "the game did not start with the added component"; cat "$dir/err"; exit 1; }
hold_key F1; sleep 0.5
xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.5
hold_key Right; sleep 0.2; hold_key Left; sleep 0.3
alt_s
stone_has_tint || { echo "the added component was lost on loading"; exit 1; }
close_and_expect_clean_exit
echo "component add: a TintComponent added to a stone, shown unsaved, saved into its level entry by Alt+S, loaded again"

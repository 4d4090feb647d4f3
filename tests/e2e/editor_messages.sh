#!/usr/bin/env bash
# An editor message as a designer meets it, on a scratch copy of the build and its
# content: with every palette shown and the game paused, Ctrl+S on "GameplayRoot" in
# the object list is refused. The refusal's dark band lies inside the window, across
# the top over the prefab list's title bar, its text inside the band, and it is still
# there 3 s later. The palette labels' text has a contrast of at least 4.5:1.
# SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
contrast="$(dirname "$0")/support/contrast.py"
scratch_game "$game" content

at_least() {  # value minimum what
  python3 -c 'import sys; sys.exit(0 if float(sys.argv[1]) >= float(sys.argv[2]) else 1)' "$1" "$2" ||
    { echo "$3: $1, below $2"; exit 1; }
}

start_game
sleep 1.5
hold_key F11; settle   # the editor with its palettes, the game running
# A click is seen where the pointer is when its frame polls: the pointer stays until
# a frame after it has begun.
click 110 218; settle  # "Pause game": nothing moves from here on
xdotool mousemove --window "$window" 640 500; settle
sleep 3                # for the picture: the screenshot's own message fades
palettes=$(screenshot palettes)

# Text on the palettes: the main palette's title, a toggle, a list row, a grayed button.
at_least "$(python3 "$contrast" "$palettes" 80 90 60 20)" 4.5 "contrast of the main palette's title"
at_least "$(python3 "$contrast" "$palettes" 60 211 100 14)" 4.5 "contrast of the \"Pause game\" toggle"
at_least "$(python3 "$contrast" "$palettes" 40 398 150 14)" 4.5 "contrast of an object list row"
at_least "$(python3 "$contrast" "$palettes" 1085 310 45 14)" 4.5 "contrast of the prefab list's grayed \"Up\""

click 60 404; settle   # the object list's second row: GameplayRoot
xdotool mousemove --window "$window" 640 500; settle
xdotool keydown ctrl; hold_key s; xdotool keyup ctrl
wait_until 30 "the refusal was not told" "grep -q 'editor: Cannot save: GameplayRoot belongs to the engine' '$dir/err'"
told=$(date +%s.%N)
message=$(screenshot editor-message)
# 3 s after the refusal was told, before the checks below take their time.
while python3 -c 'import sys, time; sys.exit(0 if time.time() - float(sys.argv[1]) < 3 else 1)' "$told"; do sleep 0.1; done
later=$(screenshot editor-message-later)

# The band: dark over the prefab list's title bar (1050..1270, from y 40), and the
# window's edges around it as they were.
before=$(brightness "$palettes" 1060 42 200 6)
after=$(brightness "$message" 1060 42 200 6)
at_least "$before" 0.2 "the prefab list's title bar before the message"
at_least 0.1 "$after" "the band over the prefab list's title bar"
for edge in 1280x8+0+0 8x90+0+0 8x90+1272+0; do
  [ "$(changed "$palettes" "$message" "$edge")" -lt 20 ] || { echo "the band reaches the window's edge ($edge)"; exit 1; }
done
# The text: its light pixels on the band's one line (from y 16, 8 px inside it, above
# the palettes' first text) lie inside the band, away from the window's sides.
extent=$(convert "$message" -crop 1280x46+0+16 +repage -fx 'intensity > 0.85 && abs(r - b) < 0.25 ? 1 : 0' \
  -format '%@' info:)
read -r width left <<<"$(echo "$extent" | sed -E 's/^([0-9]+)x[0-9]+\+([0-9]+)\+[0-9]+$/\1 \2/')"
[ "$width" -gt 100 ] || { echo "no text on the band ($extent)"; exit 1; }
[ "$left" -ge 24 ] && [ $((left + width)) -le 1256 ] || { echo "the text runs past the band ($extent)"; exit 1; }
at_least "$(python3 "$contrast" "$message" "$left" 24 "$width" 28)" 4.5 "contrast of the message"

at_least 0.1 "$(brightness "$later" 1060 42 200 6)" "the band 3 s later"

close_and_expect_clean_exit
echo "editor messages: a refusal on a dark band over the palettes, inside the window, still there after 3 s; labels readable"

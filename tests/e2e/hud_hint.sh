#!/usr/bin/env bash
# The HUD's hints as a player meets them: the pointer resting on the feed button brings
# a light panel with dark words just below it; moving away takes it off again.
# SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

start_game
xdotool mousemove --window "$window" 640 400
sleep 1

# Inside the panel below the feed button (which spans 96 ... 160 by 16 ... 80).
panel=(104 92 220 24)
hint_shown() {  # screenshot
  awk -v b="$(brightness "$1" "${panel[@]}")" 'BEGIN { exit !(b > 0.55) }'
}
before=$(screenshot no-hint)
hint_shown "$before" && { echo "a hint shows before the pointer reached a button"; exit 1; }

xdotool mousemove --window "$window" 128 48
wait_until 20 "the hint below the feed button" 'hint_shown "$(screenshot hint-came)"'
# It stays while the pointer rests; the screenshots' own messages have faded meanwhile.
sleep 3
shown=$(screenshot hud-hint)
hint_shown "$shown" || { echo "the hint went while the pointer rested on the button"; exit 1; }
# Dark words on the light panel.
ink=$(convert "$shown" -crop "${panel[2]}x${panel[3]}+${panel[0]}+${panel[1]}" \
  -colorspace Gray -fx 'p < 0.35 ? 1 : 0' -format '%[fx:mean]' info:)
awk -v i="$ink" 'BEGIN { exit !(i > 0.03) }' || { echo "the hint's panel holds no text ($ink)"; exit 1; }

xdotool mousemove --window "$window" 640 400
wait_until 20 "the hint gone after the pointer left" '! hint_shown "$(screenshot hint-gone)"'

close_and_expect_clean_exit
echo "hud_hint: the feed button's hint came after a rest and went with the pointer"

#!/usr/bin/env bash
# The level is alive: with no input the ants move, so two pictures of the field 2 s
# apart differ; Space sprays a fire stream at the mouse. SCREENSHOTS=<dir> keeps the
# pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

start_game
xdotool windowfocus --sync "$window" || true
# Keep the cursor off the field so that nothing but the ants changes there.
xdotool mousemove --window "$window" 1270 710
sleep 2

first=$(screenshot ants-1)
sleep 2
second=$(screenshot ants-2)
moved=$(compare -metric AE -fuzz 8% -crop "960x480+160+140" "$first" "$second" null: 2>&1 || true)
moved=${moved%% *}
[ "${moved%.*}" -gt 300 ] || { echo "with no input the field changed in only $moved pixels in 2 s"; exit 1; }

# A spot of open ground, left of the level's middle.
spot=(420 520)
xdotool mousemove --window "$window" "${spot[@]}"
before=$(screenshot before-fire)
xdotool windowfocus --sync "$window" || true
hold_key space
sleep 0.4
fire=$(screenshot fire-stream)
hot=$(new_flame_share "$before" "$fire" $((spot[0] - 60)) $((spot[1] - 60)) 120 120)
awk -v h="$hot" 'BEGIN { exit !(h > 0.02) }' || { echo "Space put no flame at the mouse: new flame share $hot"; exit 1; }

close_and_expect_clean_exit
echo "the field changed in $moved pixels in 2 s; Space turned $hot of the box at the mouse to flame"

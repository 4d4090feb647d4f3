#!/usr/bin/env bash
# The pause menu as a player meets it: Esc darkens the field under a panel of menu
# text and pauses it (two pictures 0.5 s apart are the same there); the controls
# screen comes and goes; Esc plays on (the ants move again); Up to Quit and Enter
# ends the game with 0. SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

start_game
xdotool mousemove --window "$window" 1270 710
sleep 1.5
panel=(460 200 360 320)
field=(20 560 360 140)
before=$(screenshot before-menu)

hold_key Escape
sleep 0.5
menu=$(screenshot menu)
awk -v m="$(brightness "$menu" "${field[@]}")" -v b="$(brightness "$before" "${field[@]}")" \
  'BEGIN { exit !(m < b * 0.7) }' || { echo "Esc did not darken the field"; exit 1; }
awk -v p="$(brightness "$menu" "${panel[@]}")" 'BEGIN { exit !(p > 0.55) }' ||
  { echo "no menu panel in the middle of the screen"; exit 1; }
# Dark text on the light panel: the menu has words on it.
ink=$(convert "$menu" -crop "360x320+460+200" -colorspace Gray -fx 'p < 0.35 ? 1 : 0' -format '%[fx:mean]' info:)
awk -v i="$ink" 'BEGIN { exit !(i > 0.01) }' || { echo "the menu panel holds no text ($ink)"; exit 1; }

sleep 0.5
still=$(screenshot menu-later)
differ=$(compare -metric AE -crop "1280x560+0+160" "$menu" "$still" null: 2>&1 || true)
[ "${differ%% *}" = 0 ] || { echo "the field moved in $differ pixels while paused"; exit 1; }

hold_key Down; sleep 0.2; hold_key Return; sleep 0.5
screenshot controls >/dev/null
hold_key Escape; sleep 0.5
hold_key Escape; sleep 0.5
after=$(screenshot resumed)
awk -v a="$(brightness "$after" "${panel[@]}")" -v b="$(brightness "$before" "${panel[@]}")" \
  'BEGIN { d = a - b; exit !(d < 0.05 && d > -0.05) }' || { echo "Esc did not close the menu"; exit 1; }
sleep 1.5
moving=$(compare -metric AE -fuzz 8% -crop "1280x560+0+160" "$after" "$(screenshot playing)" null: 2>&1 || true)
[ "${moving%%.*}" -gt 300 ] || { echo "the ants did not move again after the menu closed ($moving pixels)"; exit 1; }

hold_key Escape; sleep 0.5
hold_key Up; sleep 0.2; hold_key Return
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { echo "Quit did not end the game"; exit 1; }
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { echo "Quit exited with $status"; cat "$dir/err"; exit 1; }
echo "menu: darkened and paused, controls, resumed, quit with 0"

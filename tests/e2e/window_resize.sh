#!/usr/bin/env bash
# The player resizes the window to 1600 x 1000: the picture is scaled to its width
# with black bars above and below, and the HUD answers where it is drawn: a click on
# the feed button at its scaled place selects feeding, and holding the button over
# the field drops seeds there. The next start opens at 1600 x 1000, and Alt+Enter's
# way back from fullscreen returns to that size. SCREENSHOTS=<dir> keeps the pictures.
# screen: 1920x1200
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
start_window_manager
settings="$config_dir/settings.json"

# The window as the player sees it, bars included (F12 saves only the picture).
window_shot() {
  import -window "$window" "$dir/window.png"
  if [ -n "${SCREENSHOTS:-}" ]; then cp "$dir/window.png" "$SCREENSHOTS/window-1600x1000.png"; fi
}
# Scale 1.25: the 1280 x 720 picture is 1600 x 900 from y 50 to 950; linear
# filtering may blend the rows next to the edges, so those are left out.
is_letterboxed() {
  window_shot
  local top bottom left right
  top=$(brightness "$dir/window.png" 0 0 1600 46)
  bottom=$(brightness "$dir/window.png" 0 954 1600 46)
  left=$(brightness "$dir/window.png" 0 300 12 400)
  right=$(brightness "$dir/window.png" 1588 300 12 400)
  awk -v t="$top" -v b="$bottom" -v l="$left" -v r="$right" \
    'BEGIN { exit !(t < 0.01 && b < 0.01 && l > 0.05 && r > 0.05) }'
}

start_game
has_geometry 1280x720 || { echo "the first start opened at $(window_geometry)"; exit 1; }
xdotool windowsize "$window" 1600 1000
has_geometry 1600x1000 || { echo "the window did not take 1600x1000 but $(window_geometry)"; exit 1; }
wait_until 30 "bars above and below a picture as wide as the window" is_letterboxed

# The feed button's centre (128, 48) is at (160, 110) in the window, the frame's
# (640, 370) at (800, 512).
changed=$(feed_and_count_change 160 110 800 512)
[ "$changed" -gt 200 ] || { echo "feeding at the scaled place changed $changed pixels"; exit 1; }
close_and_expect_clean_exit
grep -q '"WindowWidth": 1600' "$settings" && grep -q '"WindowHeight": 1000' "$settings" ||
  { echo "the window size was not remembered:"; cat "$settings"; exit 1; }

start_game
has_geometry 1600x1000 || { echo "the second start opened at $(window_geometry)"; exit 1; }
alt_enter_until 1920x1200
alt_enter_until 1600x1000
close_and_expect_clean_exit
if grep -q . "$dir/err"; then
  echo "the game printed:"; cat "$dir/err"; exit 1
fi
echo "1600x1000 letterboxed, feeding at the scaled place changed $changed pixels, the size came back"

#!/usr/bin/env bash
# Alt+Enter puts the game on the whole screen (1600 x 900 under the test server) and
# the HUD still answers where it is drawn: a click on the feed button at its scaled
# place selects feeding, and holding the button over the field drops seeds there. The
# choice is remembered: the next start is fullscreen; Alt+Enter returns to the window.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
start_window_manager
settings="$XDG_CONFIG_HOME/vellimor/settings.json"

start_game
sleep 1
alt_enter_until 1600x900
grep -q '"Fullscreen": true' "$settings" || { echo "fullscreen was not remembered:"; cat "$settings" "$dir/err"; exit 1; }

# Scale 1.25: the feed button's centre (128, 48) is at (160, 60) on the screen, the
# frame's (640, 370) at (800, 462).
sleep 0.5
changed=$(feed_and_count_change 160 60 800 462)
[ "$changed" -gt 200 ] || { echo "feeding at the scaled place changed $changed pixels"; exit 1; }
close_and_expect_clean_exit

start_game
has_geometry 1600x900 || { echo "the second start is not fullscreen but $(window_geometry)"; exit 1; }
sleep 1
alt_enter_until 1280x720
grep -q '"Fullscreen": false' "$settings" || { echo "the window mode was not remembered:"; cat "$settings"; exit 1; }
close_and_expect_clean_exit
echo "fullscreen 1600x900 and back; feeding at the scaled place changed $changed pixels"

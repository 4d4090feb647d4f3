#!/usr/bin/env bash
# A mouse-only player in the pause menu: Esc opens it, a click on Controls shows the
# controls page, a click on its "Back" line brings the menu back, a
# click on Resume plays on (the ants move again). SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

menu_panel=(560 200 160 60)    # the main menu's panel, around "Paused"
page_only=(260 300 100 100)    # inside the controls page, left of the menu's panel
bright() {  # box name: the light panel covers the box
  local box=("${@:1:4}")
  awk -v b="$(brightness "$(screenshot "$5")" "${box[@]}")" 'BEGIN { exit !(b > 0.55) }'
}
dark() { ! bright "$@"; }

start_game
xdotool mousemove --window "$window" 640 700
sleep 1.5
hold_key Escape
wait_until 20 "the pause menu" 'bright "${menu_panel[@]}" menu'
click 640 340  # "Controls"
wait_until 20 "the controls page" 'bright "${page_only[@]}" controls'
click 640 628  # "Back"
wait_until 20 "the controls page to go" 'dark "${page_only[@]}" controls-gone'
bright "${menu_panel[@]}" menu-back || { echo "the menu did not come back"; exit 1; }
click 640 280  # "Resume"
wait_until 20 "the menu to close" 'dark "${menu_panel[@]}" resumed'
before=$(screenshot playing)
for _ in 1 2 3; do
  sleep 1.5
  n=$(compare -metric AE -fuzz 8% -crop 1280x560+0+160 "$before" "$(screenshot playing-later)" null: 2>&1 || true)
  n=${n%% *}
  [ "${n%.*}" -gt 300 ] && break
done
[ "${n%.*}" -gt 300 ] || { echo "the ants did not move after Resume ($n pixels)"; exit 1; }

close_and_expect_clean_exit
echo "controls page: opened and left with the mouse, Resume plays on"

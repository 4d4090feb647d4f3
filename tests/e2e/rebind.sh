#!/usr/bin/env bash
# Rebinding as a player does it: in the Controls page, Flames gets F. Then in play F
# lights flames at the pointer and Space does not; the shipped key mappings are the
# same bytes, the player's own KeyMappings.json holds the change, and after a restart
# F still lights flames. SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
shipped="$dir/Content/Config/KeyMappings.json"
unchanged() { cmp -s "$shipped" "$(dirname "$game")/Content/Config/KeyMappings.json"; }
player="$config_dir/KeyMappings.json"

menu_panel=(560 200 160 60)  # the pause menu's panel, around "Paused"
page_only=(260 300 100 100)  # inside the Controls page, left of the menu's panel
bright() {                   # box name: the light panel covers the box
  local box=("${@:1:4}")
  awk -v b="$(brightness "$(screenshot "$5")" "${box[@]}")" 'BEGIN { exit !(b > 0.55) }'
}
# The bar behind the chosen row of the Controls page: row i (0 = Day/night ... 8 =
# Reset, 9 = Back) is 35 pixels below the one before; its bar's left end shows at x 254.
row_y() { [ "$1" -lt 9 ] && echo $((140 + 35 * $1)) || echo 628; }
chosen() {  # row name
  local pixel
  pixel=$(convert "$(screenshot "$2")" -format "%[pixel:p{254,$(row_y "$1")}]" info:)
  grep -Eq '^srgba?\(217,189,134[,)]' <<<"$pixel"
}
# Flames at the pointer (420, 520) since the picture `before`.
spot=(420 520)
flames_since() {  # before name
  local share
  share=$(new_flame_share "$1" "$(screenshot "$2")" $((spot[0] - 60)) $((spot[1] - 60)) 120 120)
  awk -v s="$share" 'BEGIN { exit !(s > 0.02) }'
}
# F lights flames at the pointer and Space does not (asked first: the flames of F
# would still burn).
keys_in_play() {  # label
  xdotool mousemove --window "$window" "${spot[@]}"
  settle
  local before
  before=$(screenshot "cold-$1")
  hold_key space
  settle
  sleep 0.5
  if flames_since "$before" "space-$1"; then echo "$1: Space still lights flames"; exit 1; fi
  hold_key f
  run=$1
  wait_until 20 "$1: F to light flames at the pointer" 'flames_since "$before" "f-$run"'
}

start_game
xdotool mousemove --window "$window" 1200 100  # off the menus, so that only keys choose
sleep 1
hold_key Escape
wait_until 20 "the pause menu" 'bright "${menu_panel[@]}" menu'
hold_key Down
settle
hold_key Return
wait_until 20 "the Controls page, opened on Back" 'chosen 9 controls'
for _ in 1 2 3 4 5; do hold_key Down; settle; done  # round to Day/night, then down to Flames
chosen 4 flames-chosen || { echo "five times Down did not reach Flames"; exit 1; }
hold_key Return
# From here until F is taken no F12: the page would take it as the new key. F again
# only if the page was not yet listening for the first one.
for _ in 1 2 3; do
  sleep 1
  hold_key f
  for _ in $(seq 1 50); do [ -f "$player" ] && break 2; sleep 0.2; done
done
[ -f "$player" ] || { echo "no $player after F"; cat "$dir/err"; exit 1; }
grep -q '"FireStream": "F"' "$player" || { echo "the player's file lacks Flames on F:"; cat "$player"; exit 1; }
rebound=$(screenshot rebound)
# Dark words on the light panel, and on the chosen row's bar: Flames' row, Mute's, the
# message below the rows.
for box in "255 $(($(row_y 4) - 12)) 760 24" "255 $(($(row_y 5) - 12)) 760 24" "400 450 480 20"; do
  ratio=$(python3 "$(dirname "$0")/support/contrast.py" "$rebound" $box)
  awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' || { echo "contrast $ratio in the box $box"; exit 1; }
done
hold_key Escape
wait_until 20 "the Controls page to close" '! bright "${page_only[@]}" controls-gone'
hold_key Escape
wait_until 20 "play again" '! bright "${menu_panel[@]}" playing'
keys_in_play first-run
unchanged || { echo "the shipped KeyMappings.json changed"; exit 1; }
close_and_expect_clean_exit

start_game
sleep 1
keys_in_play after-restart
close_and_expect_clean_exit
unchanged || { echo "the shipped KeyMappings.json changed"; exit 1; }
echo "rebind: Flames on F through the Controls page, kept after a restart; the shipped file untouched"

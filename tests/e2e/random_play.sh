#!/usr/bin/env bash
# Two minutes of a restless player (PLAY_SECONDS overrides): random clicks over the
# field and the HUD with all four tools, held buttons, Space, the magnifying glass
# dwelling over the field, keys held like a person's and tapped at machine speed.
# Then the window is closed: the game must exit 0 without a crash report.
# random_play_no_audio.sh runs the same with no audio device.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
RANDOM=${PLAY_SEED:-7}

start_game
xdotool windowfocus --sync "$window" || true
sleep 1

field_point() { echo $((120 + RANDOM % 1040)) $((120 + RANDOM % 560)); }
tool() { click $((48 + 80 * $1)) 48; }  # 0 day/night, 1 feed, 2 examine, 3 light
keys=(space Up Down Left Right a x Return Tab F3 1 2)

end=$((SECONDS + ${PLAY_SECONDS:-120}))
actions=0
while [ "$SECONDS" -lt "$end" ]; do
  kill -0 "$pid" 2>/dev/null || { echo "the game died after $actions actions"; cat "$dir/err"; exit 1; }
  xdotool windowfocus "$window" 2>/dev/null || true
  case $((RANDOM % 9)) in
    0) tool $((RANDOM % 4)) ;;
    1|2) read -r x y < <(field_point); click "$x" "$y" ;;
    3) read -r x y < <(field_point); xdotool mousemove --window "$window" "$x" "$y"
       xdotool mousedown 1; sleep 0.$((3 + RANDOM % 6)); xdotool mouseup 1 ;;
    4) read -r x y < <(field_point); xdotool mousemove --window "$window" "$x" "$y"; hold_key space ;;
    5) tool 2; read -r x y < <(field_point)
       for _ in 1 2 3 4 5 6 7 8; do  # the glass circling slowly over one place
         xdotool mousemove --window "$window" $((x + RANDOM % 24 - 12)) $((y + RANDOM % 24 - 12)); sleep 0.25
       done ;;
    6) hold_key "${keys[RANDOM % ${#keys[@]}]}" ;;
    7) xdotool key "${keys[RANDOM % ${#keys[@]}]}" ;;  # press and release at machine speed
    8) read -r x y < <(field_point); xdotool mousemove --window "$window" "$x" "$y"
       xdotool click 1 click 3 ;;
  esac
  actions=$((actions + 1))
done

close_and_expect_clean_exit
echo "$actions random actions in ${PLAY_SECONDS:-120} s; clean exit"

#!/usr/bin/env bash
# F12 in the running game writes "Screenshot-<n>.png" into "Vellimor" in the pictures
# directory that the player's user-dirs.dirs names: the picture of the frame
# (1280 x 720, not black), never overwriting an earlier one, nothing beside the game.
# A tap (press and release between two frames) takes one too.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
export HOME="$dir/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME/Pics/Vellimor"
echo 'XDG_PICTURES_DIR="$HOME/Pics"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
pics="$HOME/Pics/Vellimor"
touch "$pics/Screenshot-1.png"

start_game
# Keys count only while the game has the keyboard focus, and a press is seen by the
# next frame's poll: hold the key a while, and try again on a slow machine.
for _ in $(seq 1 5); do
  xdotool windowfocus --sync "$window" || true
  xdotool keydown F12; sleep 0.3; xdotool keyup F12
  for _ in $(seq 1 20); do
    [ -s "$pics/Screenshot-2.png" ] && break 2
    sleep 0.1
  done
done
shots() { find "$dir" -name 'Screenshot-*.png' | wc -l; }
# A tap: press and release in one go, often within one frame. Retried like the held
# key above, since focus can lag on a loaded machine; any one tap must be seen.
before=$(shots)
for _ in $(seq 1 3); do
  xdotool windowfocus --sync "$window" || true
  xdotool key F12
  for _ in $(seq 1 50); do
    [ "$(shots)" -gt "$before" ] && break 2
    sleep 0.1
  done
done
tapped=$(shots)
sleep 0.5
"$xclose" Vellimor
wait "$pid"

if [ ! -s "$pics/Screenshot-2.png" ]; then
  echo "no Screenshot-2.png in $pics"; find "$dir" -name '*.png'; cat "$dir/err"; exit 1
fi
if [ -n "$(find "$dir" -maxdepth 1 -name 'Screenshot-*')" ]; then
  echo "a screenshot was written beside the game"; exit 1
fi
if [ "$tapped" -le "$before" ]; then
  echo "a tap of F12 wrote no screenshot"; ls "$dir"; exit 1
fi
size=$(identify -format '%wx%h' "$pics/Screenshot-2.png")
mean=$(convert "$pics/Screenshot-2.png" -colorspace Gray -format '%[fx:mean]' info:)
if [ "$size" != "1280x720" ] || awk -v m="$mean" 'BEGIN { exit !(m < 0.02) }'; then
  echo "screenshot is $size with mean brightness $mean"; exit 1
fi
echo "screenshot $size, mean brightness $mean"

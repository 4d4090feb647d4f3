#!/usr/bin/env bash
# The game opens one 1280 x 720 window titled "Vellimor", draws into it, and exits 0
# once the window is closed.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
start_game

geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
if [ "$geometry" != "1280x720" ]; then
  echo "window geometry is $geometry, expected 1280x720"; kill "$pid"; exit 1
fi

sleep 1
"$xclose" Vellimor

status=0
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the game did not exit after its window was closed"; kill -9 "$pid"; exit 1
fi
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the game exited with status $status"; cat "$dir/err"; exit 1
fi
echo "window 1280x720 titled Vellimor closed cleanly"

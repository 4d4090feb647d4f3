#!/usr/bin/env bash
# Started where there is no display (no DISPLAY, no WAYLAND_DISPLAY, no video driver
# asked for), or with one that cannot be reached, the game stops at once with one
# line saying so, not a crash report, instead of running on without a window.
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 "$dir/vellimor" 2>"$dir/err" || status=$?
if [ "$status" -ne 1 ]; then
  echo "expected exit status 1, got $status"; cat "$dir/err"; exit 1
fi
if [ "$(wc -l <"$dir/err")" -ne 1 ] || ! grep -q "no display" "$dir/err" || ! grep -q "DISPLAY" "$dir/err"; then
  echo "unexpected message:"; cat "$dir/err"; exit 1
fi
if [ -n "$(crash_report)" ]; then
  echo "no display must not be reported as a crash"; exit 1
fi
echo "no display reported: $(cat "$dir/err")"

# A display named but not there (a server down, or restarting after its last client
# went): SDL would fall back to a driver that shows nothing.
status=0
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:987 timeout 10 "$dir/vellimor" 2>"$dir/err" || status=$?
if [ "$status" -ne 1 ] || ! grep -q "cannot connect to the display (DISPLAY=:987)" "$dir/err"; then
  echo "an unreachable display: exit status $status, said:"; cat "$dir/err"; exit 1
fi
if [ -n "$(crash_report)" ]; then
  echo "an unreachable display must not be reported as a crash"; exit 1
fi
echo "unreachable display reported: $(cat "$dir/err")"

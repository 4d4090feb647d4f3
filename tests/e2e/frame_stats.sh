#!/usr/bin/env bash
# --frames 120 --frame-stats plays 120 unpaced frames of the shipped game, then exits 0
# with a line for the whole run naming the frame count and every pass. A bad argument
# exits 2 with one line, before any window or display is looked for.
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

status=0
"$dir/vellimor" --frames 120 --frame-stats >"$dir/out" 2>"$dir/err" || status=$?
if [ "$status" -ne 0 ] || [ -n "$(crash_report)" ]; then
  echo "--frames 120 exited with status $status"; cat "$dir/err"; exit 1
fi
run=$(grep '^run ' "$dir/out" || true)
for field in "frames=120 " mean= p95= background= lit= shadow= mask= lights= plain= overlays= present=; do
  if [[ "$run" != *"$field"* ]]; then
    echo "the run's line lacks \"$field\":"; cat "$dir/out"; exit 1
  fi
done
echo "$run"

for bad in "--frames" "--frames 0" "--frames ten" "--no-such-option"; do
  status=0
  # shellcheck disable=SC2086  # the arguments split on purpose
  env -u DISPLAY "$dir/vellimor" $bad >"$dir/out" 2>"$dir/err" || status=$?
  if [ "$status" -ne 2 ] || [ "$(wc -l <"$dir/err")" -ne 1 ] || [ -s "$dir/out" ]; then
    echo "\"$bad\": status $status, expected 2 and one line:"; cat "$dir/err" "$dir/out"; exit 1
  fi
  echo "\"$bad\" refused: $(cat "$dir/err")"
done

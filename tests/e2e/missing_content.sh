#!/usr/bin/env bash
# Without a Content directory beside it the game stops at start-up with one line
# that names the missing directory, not a crash report.
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game"

status=0
"$dir/vellimor" 2>"$dir/err" || status=$?
if [ "$status" -eq 0 ]; then
  echo "expected a failing exit status"; exit 1
fi
if [ "$(wc -l <"$dir/err")" -ne 1 ] || ! grep -q "content directory $dir/Content" "$dir/err"; then
  echo "unexpected message:"; cat "$dir/err"; exit 1
fi
if [ -n "$(crash_report)" ]; then
  echo "a missing directory must not be reported as a crash"; exit 1
fi
echo "missing Content reported: $(cat "$dir/err")"

#!/usr/bin/env bash
# Memory soak: opens and closes the editor and the pause menu as a person would, over
# and over, with no edits, and prints the game's resident size (VmRSS) along the way.
# Memory that stays flat shows about the same figure at cycle 50 and at the last cycle.
# A cycle: the editor opened and closed (odd cycles F1 and F1: the level loaded
# afresh, then saved as the working copy for a play-test; even cycles F11 and F11:
# the editor over the running game with all its palettes), then Esc and Esc (the
# pause menu). The game runs on a scratch copy of the build and its Content with a
# scratch copy of content/ as the development content (as `make run` plays it), under
# Xvfb (started here when there is no DISPLAY). Not part of `make test`; 300 cycles
# take 9 to 14 minutes, depending on the load.
# Usage: scripts/soak-editor-menu.sh [game, default build/vellimor]
#   SOAK_CYCLES=n   cycles to run (default 300)
#   SOAK_SHIPPED=1  without the development content (the game as shipped)
# Exits 1 if the game dies on the way.
set -euo pipefail
game=$(realpath "${1:-build/vellimor}")
script=$(realpath "$0")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x900x24" bash "$script" "$game"
fi
cycles="${SOAK_CYCLES:-300}"
export ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}"
source "$(dirname "$script")/../tests/e2e/support/game.bash"
scratch_game "$game" content
if [ -z "${SOAK_SHIPPED:-}" ]; then scratch_development_content; fi

rss_kb() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"
}
alive_or_fail() {  # what was being done
  kill -0 "$pid" 2>/dev/null && return 0
  echo "the game died during $1"
  cat "$dir/err"
  [ -e "$dir/CrashInfo.dmp" ] && head -n 40 "$dir/CrashInfo.dmp"
  pid=""
  exit 1
}
report() {  # cycle
  printf 'cycle %4d  rss %7.1f MB\n' "$1" "$(awk -v k="$(rss_kb)" 'BEGIN { print k / 1024 }')"
}
is_reported() {  # cycle
  [ "$1" -eq 1 ] || [ "$1" -eq "$cycles" ] || [ $(("$1" % 50)) -eq 0 ]
}
toggle_editor() {  # cycle
  local key=F1
  [ $(("$1" % 2)) -eq 0 ] && key=F11
  hold_key "$key"; sleep 0.4
  hold_key "$key"; sleep 0.4
}

start_game
xdotool windowfocus --sync "$window" || true
xdotool mousemove --window "$window" 640 360
sleep 2
report 0
declare -A rss
for cycle in $(seq 1 "$cycles"); do
  toggle_editor "$cycle"
  alive_or_fail "editor cycle $cycle"
  hold_key Escape; sleep 0.3
  hold_key Escape; sleep 0.3
  alive_or_fail "menu cycle $cycle"
  if is_reported "$cycle"; then
    rss[$cycle]=$(rss_kb)
    report "$cycle"
  fi
done
if [ -n "${rss[50]:-}" ]; then
  awk -v a="${rss[50]}" -v b="${rss[$cycles]}" -v n="$cycles" \
    'BEGIN { printf "growth from cycle 50 to cycle %d: %+.1f MB\n", n, (b - a) / 1024 }'
fi

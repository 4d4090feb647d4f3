#!/usr/bin/env bash
# The watchdog leaves a live game alone: stopped with SIGSTOP for 7 s and continued,
# the game plays on with its unsaved edit and writes no crash report; the same for a
# save whose fsync takes 7 s (strace injects the delay). Runs on scratch copies of
# the build and of the development content.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"
before=$(level_entries "$level")
alive_and_drawing() {
  kill -0 "$pid" 2>/dev/null || { echo "the game ended $1"; cat "$dir/err"; exit 1; }
  screenshot "$2" >/dev/null
  ! grep -q watchdog "$dir/err" || { echo "the watchdog fired $1"; cat "$dir/err"; exit 1; }
  [ -z "$(crash_report)" ] || { echo "a crash report was written $1"; exit 1; }
}

start_game
sleep 1.5
hold_key F1; sleep 0.5
hold_key bracketright; sleep 0.2
click 1200 120   # an unsaved edit
kill -STOP "$pid"; sleep 7; kill -CONT "$pid"
sleep 2
alive_and_drawing "after SIGSTOP, 7 s, SIGCONT" after-stop

strace -f -qq -o /dev/null -p "$pid" -e trace=fsync -e inject=fsync:delay_enter=7000000 &
tracer=$!
sleep 1
save_level
wait_until 60 "the slowed save ends" 'test "$(level_entries "$level")" -eq $((before + 1))'
kill "$tracer"; wait "$tracer" 2>/dev/null || true
sleep 1
alive_and_drawing "after a save slowed past 5 s" after-slow-save
leftovers=$(find "$dir/dev/Prefabs" -name '.*.json.*' | wc -l)
[ "$leftovers" -eq 0 ] || { echo "the slowed save left $leftovers temporary files"; exit 1; }
close_and_expect_clean_exit
echo "stop and continue: 7 s stopped and a 7 s fsync, the game played on"

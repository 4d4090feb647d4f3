#!/usr/bin/env bash
# An edit survives kill -9: seconds after it its recovery copy is on disk, the next
# start offers it, and Recover brings it back to be saved. Runs on scratch copies of
# the build and of the development content.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"
copy="$state_dir/Recovery/Lvl_TestLevel2.json"
before=$(level_entries "$level")
copy_holds() { [ -s "$copy" ] && [ "$(level_entries "$copy")" -eq "$1" ]; }

start_game
sleep 1.5
hold_key F1; sleep 0.5
hold_key bracketright; sleep 0.2
click 1200 120   # places an object: an unsaved edit
sleep 6
copy_holds $((before + 1)) || { echo "no recovery copy of the edit 6 s after it"; exit 1; }
kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=""

start_game
wait_until 20 "the start offers the edit" 'grep -q "Unsaved work can be recovered: Lvl_TestLevel2$" "$dir/err"'
hold_key F1; sleep 0.5
click 110 355   # "Recover unsaved work" in the main palette
save_level
wait_until 20 "Recover and Alt+S save the edit" 'test "$(level_entries "$level")" -eq $((before + 1))'
wait_until 10 "the saved work leaves no copy" 'test ! -e "$copy"'
close_and_expect_clean_exit
echo "kill after edit: the copy followed the edit within 6 s, was offered, recovered and saved"

#!/usr/bin/env bash
# Switching level with unsaved changes asks "Save changes?" on scratch copies of the
# build and of the development content: Esc (Cancel) keeps the level and its edit,
# which Alt+S then saves; N (No) switches and drops the edit, leaving the file as
# saved. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
level="$dir/dev/Prefabs/Lvl_TestLevel2.json"
entries() { python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["AutoCreate"]))' "$level"; }
before=$(entries)
switch_next() { xdotool keydown ctrl; hold_key bracketright; xdotool keyup ctrl; sleep 0.5; }
save() { xdotool keydown alt; hold_key s; xdotool keyup alt; sleep 0.5; }

start_game
sleep 1.5
hold_key F1
sleep 0.5
hold_key bracketright; sleep 0.2
click 1200 120   # places an object of the chosen kind: the level now holds an unsaved edit
xdotool mousemove --window "$window" 20 700
sleep 0.2
plain=$(screenshot switch-before)
switch_next
asked=$(screenshot switch-question)
# The question darkens the whole screen behind its buttons.
[ "$(python3 -c "print($(brightness "$asked" 0 600 300 100) < 0.8 * $(brightness "$plain" 0 600 300 100))")" = True ] ||
  { echo "no question darkened the screen"; exit 1; }
hold_key Escape; sleep 0.3
save
[ "$(entries)" -eq $((before + 1)) ] || { echo "Cancel did not keep the level and its edit ($(entries) entries, $before before)"; exit 1; }
cp "$level" "$dir/saved.json"

click 1200 200
switch_next
xdotool type --delay 100 n; sleep 1
cmp -s "$level" "$dir/saved.json" || { echo "No wrote the level file"; exit 1; }
switch_next   # back: no question, the dropped edit is gone
cmp -s "$level" "$dir/saved.json" || { echo "switching back wrote the level file"; exit 1; }

close_and_expect_clean_exit
echo "editor switch question: Cancel keeps the level and its edit, No switches without writing"

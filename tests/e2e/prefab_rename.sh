#!/usr/bin/env bash
# Renaming a prefab on a scratch copy of the development content: the filter "twig"
# lists Twig; a click edits it; its name typed as "bough" in the edit palette lands
# only on a second commit (the levels use Twig); "../x" is refused; Ctrl+Shift+S then
# writes bough.json, deletes Twig.json and leaves every other file's bytes as they were
# but for the entries naming Twig, which follow the rename (prefab_rename_references.sh).
# SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
prefabs="$dir/dev/Prefabs"
cp -r "$prefabs" "$dir/before"

# Window pixels of the prefab list at (1050, 40), 220 wide: a 24 px title bar, the
# filter row, twelve 20 px rows, then rows of buttons 22 px high, four to a row.
filter_x=1215; filter_y=75
row0_x=1100; row0_y=96
# The edit palette's name field, at (240, 88) 300 wide: the right half of its first row.
name_x=465; name_y=123

start_game
sleep 1.5
hold_key F11; settle
click "$filter_x" "$filter_y"
xdotool type --delay 200 twig
hold_key Return; settle
screenshot prefab-list-filtered >/dev/null
click "$row0_x" "$row0_y"  # Twig, now edited in the edit palette
settle; settle
rename() { retype_field "$name_x" "$name_y" "$1"; }
rename bough
wait_until 10 "renaming a used prefab did not ask first" "grep -qF 'Twig is used by' '$dir/err'"
[ ! -e "$prefabs/bough.json" ] || { echo "the rename reached the disk before a save"; exit 1; }
rename bough
rename ../x
wait_until 10 "the name ../x was not refused" "grep -qF 'Cannot rename bough to \"../x\"' '$dir/err'"
screenshot prefab-renamed >/dev/null
xdotool keydown ctrl keydown shift; hold_key s; xdotool keyup shift keyup ctrl
for _ in $(seq 1 20); do
  [ -s "$prefabs/bough.json" ] && [ ! -e "$prefabs/Twig.json" ] && break
  sleep 0.5
done

[ -s "$prefabs/bough.json" ] || { echo "Ctrl+Shift+S did not write bough.json"; cat "$dir/err"; exit 1; }
[ ! -e "$prefabs/Twig.json" ] || { echo "Twig.json is still there"; exit 1; }
cmp -s "$prefabs/bough.json" "$dir/before/Twig.json" || { echo "the renamed prefab's bytes differ from Twig's"; exit 1; }
mv "$prefabs/bough.json" "$prefabs/Twig.json"
sed -i 's/"Prefab": "bough"/"Prefab": "Twig"/' "$prefabs"/*.json
diff -r "$dir/before" "$prefabs" >/dev/null || { echo "other prefab files changed"; diff -rq "$dir/before" "$prefabs"; exit 1; }
[ -z "$(find "$dir/dev" "$dir/Content" -name 'x.json')" ] || { echo "../x wrote a file"; exit 1; }

close_and_expect_clean_exit
echo "prefab rename: filter, pick, rename after asking, ../x refused, save all writes bough and deletes only Twig's file"

#!/usr/bin/env bash
# The prefab list on a scratch copy of the development content: the filter "twig"
# lists Twig; its copy "Twig.001" is made with the copy button; Twig, which the
# levels use, is removed only on a second press; Ctrl+Shift+S then writes Twig.001,
# deletes Twig's file and leaves every other file's bytes as they were.
# SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
cp -r "$(dirname "$0")/../../content" "$dir/dev"
printf '{\n    "DevelopmentContentPath": "%s"\n}\n' "$dir/dev" >"$dir/Content/Config/GameConfig.json"
prefabs="$dir/dev/Prefabs"
cp -r "$prefabs" "$dir/before"

# Window pixels of the prefab list at (1050, 40), 220 wide: a 24 px title bar, the
# filter row, twelve 20 px rows, then rows of buttons 22 px high, four to a row.
filter_x=1215; filter_y=75
row0_x=1100; row0_y=96
buttons_y=359; copy_x=1187; remove_x=1132

start_game
sleep 1.5
hold_key F11; sleep 0.5
click "$filter_x" "$filter_y"
for key in t w i g; do hold_key "$key"; done
hold_key Return; sleep 0.3
screenshot prefab-list-filtered >/dev/null
click "$row0_x" "$row0_y"
click "$copy_x" "$buttons_y"
[ ! -e "$prefabs/Twig.001.json" ] || { echo "the copy reached the disk before a save"; exit 1; }
click "$row0_x" "$row0_y"  # Twig again
click "$remove_x" "$buttons_y"
grep -q 'Twig is used by' "$dir/err" || { echo "removing a used prefab did not ask first"; cat "$dir/err"; exit 1; }
click "$remove_x" "$buttons_y"
screenshot prefab-list-removed >/dev/null
xdotool keydown ctrl keydown shift; hold_key s; xdotool keyup shift keyup ctrl; sleep 0.5

[ -s "$prefabs/Twig.001.json" ] || { echo "Ctrl+Shift+S did not write Twig.001.json"; cat "$dir/err"; exit 1; }
[ ! -e "$prefabs/Twig.json" ] || { echo "Twig.json is still there"; exit 1; }
cmp -s "$prefabs/Twig.001.json" "$dir/before/Twig.json" || { echo "the copy's bytes differ from Twig's"; exit 1; }
rm "$prefabs/Twig.001.json"
cp "$dir/before/Twig.json" "$prefabs/Twig.json"
diff -r "$dir/before" "$prefabs" >/dev/null || { echo "other prefab files changed"; diff -rq "$dir/before" "$prefabs"; exit 1; }

close_and_expect_clean_exit
echo "prefab list: filter, copy, remove after asking, save all writes the copy and deletes only Twig's file"

#!/usr/bin/env bash
# Renaming a prefab that other prefabs' entries create, on a scratch copy of the
# development content: Pebble, which the levels and Lvl_Sources place, is renamed
# "grit" in the edit palette; the question says the entries follow, a second commit
# renames; Ctrl+Shift+S then writes grit.json with Pebble's bytes, deletes Pebble.json,
# rewrites every file that named Pebble to name grit (and nothing else in them) and
# leaves every other file's bytes as they were. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content
prefabs="$dir/dev/Prefabs"
cp -r "$prefabs" "$dir/before"
users=$(cd "$dir/before" && grep -l '"Prefab": "Pebble"' -- *.json | grep -vx Pebble.json || true)
[ "$(echo "$users" | wc -w)" -ge 2 ] || { echo "the content has no prefab that several others create: pick another"; exit 1; }
# What the disk must hold after the save: the rename, and the entries following it.
cp -r "$dir/before" "$dir/expected"
mv "$dir/expected/Pebble.json" "$dir/expected/grit.json"
sed -i 's/"Prefab": "Pebble"/"Prefab": "grit"/' "$dir/expected"/*.json

# Window pixels, as in prefab_rename.sh: the prefab list's filter field and first row,
# the edit palette's name field.
filter_x=1215; filter_y=75
row0_x=1100; row0_y=96
name_x=465; name_y=123

rename() { retype_field "$name_x" "$name_y" "$1"; }
start_game
sleep 1.5
hold_key F11; settle
click "$filter_x" "$filter_y"
xdotool type --delay 200 pebble
hold_key Return; settle
click "$row0_x" "$row0_y"  # Pebble, now edited in the edit palette
settle; settle
rename grit
wait_until 10 "renaming a used prefab did not ask first" "grep -qF 'Pebble is used by' '$dir/err'"
grep -qF 'press again to rename it there too' "$dir/err" || { echo "the question does not say the entries follow"; cat "$dir/err"; exit 1; }
screenshot rename-references-asked >/dev/null
rename grit
xdotool keydown ctrl keydown shift; hold_key s; xdotool keyup shift keyup ctrl
for _ in $(seq 1 40); do
  diff -r "$dir/expected" "$prefabs" >/dev/null && break
  sleep 0.5
done
screenshot rename-references-saved >/dev/null

[ -z "$(grep -l '"Pebble"' "$prefabs"/*.json)" ] || { echo "files still name Pebble:"; grep -l '"Pebble"' "$prefabs"/*.json; exit 1; }
for user in $users; do
  grep -q '"Prefab": "grit"' "$prefabs/$user" || { echo "$user does not name grit"; exit 1; }
done
diff -r "$dir/expected" "$prefabs" >/dev/null || {
  echo "the files differ from the rename with its entries following:"; diff -r "$dir/expected" "$prefabs" | head -n 40
  cat "$dir/err"; exit 1
}

close_and_expect_clean_exit
echo "prefab rename with references: asked, saved; $(echo $users) now name grit, every other byte as it was"

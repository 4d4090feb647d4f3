#!/usr/bin/env bash
# The player build (the runtime without the editor) plays the shipped content: it
# starts, runs, F1 opens no editor and the game runs on, the window closes cleanly,
# and the program holds none of the editor's types.
set -euo pipefail
xclose="$2"
player="$3"
source "$(dirname "$0")/support/game.bash"
scratch_game "$player" content

editor_types=$(strings "$player" | grep -cE 'Ed[A-Z][A-Za-z]+Bhv|PrefabOperations|RecoveryStore|EditHistory' || true)
[ "$editor_types" -eq 0 ] || { echo "the player build names $editor_types editor types"; exit 1; }

start_game
sleep 1.5
hold_key F1
sleep 1
first=$(screenshot after-f1)
sleep 1
second=$(screenshot a-second-later)
# With an editor, F1 would pause the field for editing; here the ants walk on. The
# band below the HUD and its message line is compared.
moved=$(compare -metric AE -fuzz 10% -crop "1280x480+0+220" "$first" "$second" null: 2>&1 || true)
moved=${moved%% *}
[ "${moved%.*}" -gt 30 ] || { echo "the field stood still after F1 (${moved%.*} pixels changed)"; exit 1; }
close_and_expect_clean_exit
grep -q "no prefab named\|unknown component type" "$dir/err" && { echo "the player build warned about content:"; cat "$dir/err"; exit 1; }
echo "player build: F1 opens nothing, ${moved%.*} pixels moved, no editor type in the program"

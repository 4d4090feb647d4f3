#!/usr/bin/env bash
# A malformed atlas in the texture bank "Main" stops start-up through the crash
# report, with one line on standard error naming the atlas file and the problem.
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game"
mkdir -p "$dir/Content/Config" "$dir/Content/Prefabs" "$dir/Content/Music" "$dir/Content/Sounds/Main" \
  "$dir/Content/Textures/Main"
echo '{ "Components": "", "AutoCreate": "" }' >"$dir/Content/Prefabs/GameplayRoot.json"
echo '{ "MenuCancel": "Esc" }' >"$dir/Content/Config/KeyMappings.json"
printf '<TextureAtlas imagePath="Ants.png"><sprite n="Ant" x="0" y="0" h="4"/></TextureAtlas>\n' \
  >"$dir/Content/Textures/Main/Ants.xml"

status=0
"$dir/vellimor" 2>"$dir/err" || status=$?
if [ "$status" -eq 0 ]; then
  echo "expected a failing exit status"; exit 1
fi
expected='Content/Textures/Main/Ants.xml: sprite 0: missing attribute "w"'
if ! grep -qF "$expected" "$dir/err"; then
  echo "unexpected message:"; cat "$dir/err"; exit 1
fi
if ! grep -qF "$expected" "$(crash_report)"; then
  echo "the crash report does not say what happened"; exit 1
fi
echo "bad atlas reported: $(grep -F "$expected" "$dir/err")"

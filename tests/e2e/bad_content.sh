#!/usr/bin/env bash
# A content file that cannot be used (a prefab, the configuration, the key mappings, a
# music loop file, an animation, a font) is a ContentError: it stops start-up through
# the crash report, with one line on standard error that says "<path>: <what>" (for
# an animation "<path>:<line>: <what>").
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game"

expect_stop() {  # <what> <"path: problem" the message must hold>
  rm -rf "$state_dir"
  status=0
  "$dir/vellimor" 2>"$dir/err" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "$1: expected a failing exit status"; exit 1
  fi
  if [ "$(wc -l <"$dir/err")" -ne 1 ] || ! grep -qF "ContentError: $2" "$dir/err"; then
    echo "$1: unexpected message:"; cat "$dir/err"; exit 1
  fi
  if ! grep -qF "$2" "$(crash_report)"; then
    echo "$1: the crash report does not say what happened"; exit 1
  fi
  echo "$1: $(cat "$dir/err")"
}

mkdir -p "$dir/Content/Config" "$dir/Content/Prefabs" "$dir/Content/Music" "$dir/Content/Sounds/Main"
echo '{ "MenuCancel": "Esc" }' >"$dir/Content/Config/KeyMappings.json"
cat >"$dir/Content/Prefabs/GameplayRoot.json" <<'JSON'
{ "Components": { "Pos2dComponent": "" }, "AutoCreate": "" }
JSON
echo '{ "AutoCreate": "" }' >"$dir/Content/Prefabs/Broken.json"
expect_stop "missing member" "Content/Prefabs/Broken.json: No such node (Components)"

echo '{ "Components": { "Foo": "" }, "AutoCreate": "" }' >"$dir/Content/Prefabs/Broken.json"
expect_stop "unknown type" "Content/Prefabs/Broken.json: unknown component type 'Foo'"

echo '{ "Components": ' >"$dir/Content/Prefabs/Broken.json"
expect_stop "not JSON" "Content/Prefabs/Broken.json: line 2"

rm "$dir/Content/Prefabs/Broken.json"
echo '{}' >"$dir/Content/Config/GameConfig.json"
expect_stop "configuration" "Content/Config/GameConfig.json: No such node (DevelopmentContentPath)"

echo '{ "DevelopmentContentPath": ' >"$dir/Content/Config/GameConfig.json"
expect_stop "configuration not JSON" "Content/Config/GameConfig.json: line 2"

rm "$dir/Content/Config/GameConfig.json"
mkdir -p "$dir/Content/Animations"
printf '// first\n+1 4\n' >"$dir/Content/Animations/Bad.anim"
expect_stop "animation" "Content/Animations/Bad.anim:2: a step \"+1\" needs a frame with an image before it"

rm -r "$dir/Content/Animations"
mkdir -p "$dir/Content/Fonts/Main"
printf '<font><common lineHeight="16" scaleW="0" scaleH="64"/><pages><page file="P.sheet"/></pages><chars/></font>\n' \
  >"$dir/Content/Fonts/Main/Broken.fnt"
expect_stop "font" 'Content/Fonts/Main/Broken.fnt: "scaleW" must be a positive number: "0"'

rm -r "$dir/Content/Fonts" "$dir/Content/Prefabs/GameplayRoot.json"
expect_stop "no GameplayRoot" "Content/Prefabs: no prefab named \"GameplayRoot\""

echo '{ "MenuCancel": "Esc", }' >"$dir/Content/Config/KeyMappings.json"
expect_stop "key mappings not JSON" "Content/Config/KeyMappings.json: line 1"

rm "$dir/Content/Config/KeyMappings.json"
expect_stop "no key mappings" "Content/Config/KeyMappings.json: cannot open file"

# The music manager reads the loop files while the game is being built, before the
# rest of the content. A track need not decode for its loop file to be read.
echo '{ "MenuCancel": "Esc" }' >"$dir/Content/Config/KeyMappings.json"
echo 'not a sound' >"$dir/Content/Music/Theme.wav"
echo '{ "LoopStartSample": 10' >"$dir/Content/Music/Theme.json"
expect_stop "loop file not JSON" "Content/Music/Theme.json: line 2"

echo '{ "LoopStartSample": 10 }' >"$dir/Content/Music/Theme.json"
expect_stop "loop file member" "Content/Music/Theme.json: No such node (LoopEndSample)"

echo '{ "LoopStartSample": 10, "LoopEndSample": "end" }' >"$dir/Content/Music/Theme.json"
expect_stop "loop file value" "Content/Music/Theme.json: \"LoopEndSample\" is not an integer: \"end\""

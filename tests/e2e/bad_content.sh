#!/usr/bin/env bash
# A prefab or configuration file that cannot be used stops start-up through the crash
# report, with one line on standard error naming the file and the problem.
set -euo pipefail
game="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$game" "$dir/vellimor"

expect_stop() {  # <what> <text the message must hold>
  rm -f "$dir/CrashInfo.dmp"
  status=0
  "$dir/vellimor" 2>"$dir/err" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "$1: expected a failing exit status"; exit 1
  fi
  if [ "$(wc -l <"$dir/err")" -ne 1 ] || ! grep -qF "$2" "$dir/err"; then
    echo "$1: unexpected message:"; cat "$dir/err"; exit 1
  fi
  if ! grep -qF "$2" "$dir/CrashInfo.dmp"; then
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

rm "$dir/Content/Config/GameConfig.json" "$dir/Content/Prefabs/GameplayRoot.json"
expect_stop "no GameplayRoot" "Content/Prefabs: no prefab named \"GameplayRoot\""

echo '{ "MenuCancel": "Esc", }' >"$dir/Content/Config/KeyMappings.json"
expect_stop "key mappings not JSON" "Content/Config/KeyMappings.json: line 1"

rm "$dir/Content/Config/KeyMappings.json"
expect_stop "no key mappings" "Content/Config/KeyMappings.json: cannot open file"

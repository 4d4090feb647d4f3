#!/usr/bin/env bash
# The installed game, as a player meets it: installed into a scratch prefix that is
# then made read-only, run as an unprivileged user with a scratch HOME and no XDG
# variables. F12, a level saved with Alt+S, unsaved work at a close and a SIGSEGV
# each leave their file in the player's XDG directories under that HOME; nothing in
# the prefix changes, and the saved level is read over the shipped one at the next
# start.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
build=$(dirname "$game")

dir=$(mktemp -d)
pid=""
trap 'if [ -n "$pid" ]; then kill -9 "$pid" 2>/dev/null || true; fi; chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
chmod 755 "$dir"
prefix="$dir/prefix"
home="$dir/home"
mkdir -p "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null
find "$prefix" -type f -exec md5sum {} + | sort >"$dir/prefix-before"
chmod -R a-w "$prefix"

# As root, the game runs as "nobody" (root would write into a read-only tree anyway);
# the display's cookie is handed to it in its home.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chown 65534:65534 "$home"
fi
if [ -n "${XAUTHORITY:-}" ]; then
  cp "$XAUTHORITY" "$home/.Xauthority"
  [ "$(id -u)" -ne 0 ] || chown 65534:65534 "$home/.Xauthority"
fi
player=(env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XAUTHORITY="$home/.Xauthority"
  ALSOFT_DRIVERS=null "${as_player[@]}" "$prefix/bin/vellimor")
start_installed() {
  # Started directly, not through a function: $! is then the game itself.
  "${player[@]}" 2>>"$dir/err" &
  pid=$!
  wait_until 20 "the installed game's window" \
    'window=$(xdotool search --name "^Vellimor$" 2>/dev/null | head -n 1) && [ -n "$window" ]'
}
data="$home/.local/share/vellimor"
state="$home/.local/state/vellimor"

version=$("${player[@]}" --version)
[ "$version" = "Vellimor $(sed -n 's/^project(Vellimor VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] ||
  { echo "--version printed \"$version\""; exit 1; }

start_installed
sleep 1.5
xdotool windowfocus --sync "$window" || true
hold_key F12
wait_until 20 "F12 writes into the data directory" 'test -s "$data/Screenshots/Screenshot-1.png"'

level="$data/Content/Prefabs/Lvl_TestLevel2.json"
shipped="$prefix/share/vellimor/Content/Prefabs/Lvl_TestLevel2.json"
before=$(level_entries "$shipped")
hold_key F1; sleep 0.5
hold_key bracketright; sleep 0.2
click 1200 120
save_level
wait_until 20 "Alt+S saves the level into the player's content" \
  'test "$(level_entries "$level")" -eq $((before + 1))'

click 1200 200
copy="$state/Recovery/Lvl_TestLevel2.json"
wait_until 20 "a recovery copy of the unsaved stone" 'test "$(level_entries "$copy")" -eq $((before + 2))'
"$xclose" Vellimor
sleep 1
kill -0 "$pid" 2>/dev/null || { echo "the close did not ask about the unsaved stone"; exit 1; }
kill -SEGV "$pid"
wait "$pid" 2>/dev/null || true
pid=""
report=$(find "$state" -name 'crash-*.txt' | head -n 1)
[ -s "$report" ] || { echo "no crash report in $state"; cat "$dir/err"; exit 1; }
grep -qF "crash report written to $report" "$dir/err" || { echo "the message does not name $report"; cat "$dir/err"; exit 1; }
grep -q "SIGSEGV" "$state/vellimor.log" || { echo "the log does not hold the stop"; exit 1; }
[ -e "$copy" ] || { echo "the recovery copy went with the crash"; exit 1; }

chmod -R u+w "$prefix"
find "$prefix" -type f -exec md5sum {} + | sort >"$dir/prefix-after"
diff "$dir/prefix-before" "$dir/prefix-after" || { echo "the installed tree changed"; exit 1; }
chmod -R a-w "$prefix"

: >"$dir/err"
start_installed
wait_until 20 "the saved level read over the shipped one" 'grep -q "your own prefabs from .*Lvl_TestLevel2" "$dir/err"'
[ -s "$state/vellimor.log.1" ] || { echo "the previous run's log was not kept"; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
[ "$(level_entries "$shipped")" -eq "$before" ] || { echo "the shipped level changed"; exit 1; }
echo "installed read-only: $version; screenshot, level, recovery copy, crash report and log under \$HOME"

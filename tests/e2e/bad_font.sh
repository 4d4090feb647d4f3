#!/usr/bin/env bash
# A font with a zero page width in the font bank "Main" stops start-up through the
# crash report, with one line on standard error naming the font file and the problem.
set -euo pipefail
game="$1"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
rm -rf "$dir/Content/Fonts/Main"
mkdir -p "$dir/Content/Fonts/Main"
printf '<font><common lineHeight="16" scaleW="0" scaleH="64"/><pages><page file="P.sheet"/></pages><chars/></font>\n' \
  >"$dir/Content/Fonts/Main/Broken.fnt"

status=0
"$dir/vellimor" 2>"$dir/err" || status=$?
if [ "$status" -eq 0 ]; then
  echo "expected a failing exit status"; exit 1
fi
expected='Content/Fonts/Main/Broken.fnt: "scaleW" must be a positive number: "0"'
if ! grep -qF "$expected" "$dir/err"; then
  echo "unexpected message:"; cat "$dir/err"; exit 1
fi
echo "bad font reported: $(grep -F "$expected" "$dir/err")"

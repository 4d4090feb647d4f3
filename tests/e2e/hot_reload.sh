#!/usr/bin/env bash
# Content hot reload on a scratch copy of the game whose configuration points the
# development content at a scratch copy of content/ (never the repository's), where
# the editor root runs the monitor: stones painted red in their source image show red
# in the game within 5 s; a truncated PNG saved into the watched tree keeps the game
# running and is named on standard error. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
build=$(dirname "$game")
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
cp "$build/vellimor_content" "$dir/vellimor_content"
cp -r "$(dirname "$0")/../../content" "$dir/content"
printf '{\n    "DevelopmentContentPath": "%s"\n}\n' "$dir/content" >"$dir/Content/Config/GameConfig.json"

# The share (0..1) of a picture's pixels that are pure red (channel thresholds: -fx
# over a whole frame takes half a minute).
red_share() {
  convert "$1" \( -clone 0 -channel R -separate +channel -threshold 45% \) \
    \( -clone 0 -channel G -separate +channel -threshold 15% -negate \) \
    \( -clone 0 -channel B -separate +channel -threshold 15% -negate \) \
    -delete 0 -evaluate-sequence min -format '%[fx:mean]' info:
}
# How much more of the frame is red than before the change.
new_red_share() {  # picture
  awk -v a="$red_before" -v b="$(red_share "$1")" 'BEGIN { printf "%.4f", b - a }'
}

start_game
xdotool windowfocus --sync "$window" || true
xdotool mousemove --window "$window" 1270 710
sleep 1
red_before=$(red_share "$(screenshot before-reload)")

# Repaint the stones as an image editor saves: a hidden temporary file renamed into place.
world="$dir/content/Textures/Main/World"
for stone in Stone1 Stone2 Stone3; do
  convert "$world/$stone.png" -channel RGB -evaluate set 0 -channel R -evaluate set 100% +channel \
    "$world/.$stone.tmp.png"
done
saved=$(date +%s.%N)
for stone in Stone1 Stone2 Stone3; do mv "$world/.$stone.tmp.png" "$world/$stone.png"; done
while :; do
  shot=$(screenshot red-stones)
  took=$(awk -v s="$saved" -v n="$(date +%s.%N)" 'BEGIN { printf "%.1f", n - s }')
  red=$(new_red_share "$shot")
  awk -v r="$red" 'BEGIN { exit !(r > 0.003) }' && break
  if awk -v t="$took" 'BEGIN { exit !(t > 5) }'; then
    echo "no red stones 5 s after the save: new red share $red"; cat "$dir/err"; cat "$state_dir/ContentBuild.log"; exit 1
  fi
done

# A truncated PNG: the build fails naming it, the game goes on with the red stones.
head -c 200 "$world/Stone2.png" >"$world/.Stone2.tmp.png"
mv "$world/.Stone2.tmp.png" "$world/Stone2.png"
for _ in $(seq 1 100); do
  grep -q "Stone2.png" "$dir/err" && break
  sleep 0.1
done
grep -q "Stone2.png" "$dir/err" || { echo "the truncated PNG was not named:"; cat "$dir/err"; exit 1; }
kill -0 "$pid" || { echo "the game ended after the bad PNG"; cat "$dir/err"; exit 1; }
after=$(screenshot after-bad-png)
kept=$(new_red_share "$after")
awk -v r="$kept" 'BEGIN { exit !(r > 0.003) }' || { echo "the red stones went after the failed build: $kept"; exit 1; }

close_and_expect_clean_exit
echo "red stones $took s after the save (new red share $red); the truncated PNG said: $(grep Stone2.png "$dir/err" | head -n 1)"

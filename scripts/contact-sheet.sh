#!/usr/bin/env bash
# Makes one PNG showing every packed atlas sheet of a texture bank, each labelled
# and laid over a grey checkerboard so transparency shows.
#   scripts/contact-sheet.sh build/Content/Textures/Main docs/atlases.png
set -euo pipefail
bank="$1"
out="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for sheet in "$bank"/*.sheet; do
  name=$(basename "$sheet" .sheet)
  size=$(identify -format '%wx%h' "png:$sheet")
  # Large sheets are shown at half size to keep the page readable.
  scale=100
  [ "${size%x*}" -ge 512 ] && scale=50
  convert -size "$size" pattern:checkerboard -fill '#777' -colorize 50% \
    "png:$sheet" -compose over -composite -resize "${scale}%" "$work/$name.png"
  echo "$work/$name.png" >>"$work/list"
done
montage $(cat "$work/list") -label '%t' -geometry '+8+8' -tile 4x -background '#222' \
  -fill white -pointsize 14 "$out" 2>/dev/null || \
montage $(cat "$work/list") -geometry '+8+8' -tile 4x -background '#222' "$out"
echo "wrote $out"

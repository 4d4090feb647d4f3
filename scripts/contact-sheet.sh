#!/usr/bin/env bash
# Makes one PNG showing every packed atlas sheet of a texture bank, each labelled,
# fitted into a 256-pixel cell and laid over a grey checkerboard so transparency
# shows.
#   scripts/contact-sheet.sh build/Content/Textures/Main docs/atlases.png
set -euo pipefail
bank="$1"
out="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

images=()
for sheet in "$bank"/*.sheet; do
  name=$(basename "$sheet" .sheet)
  size=$(identify -format '%wx%h' "png:$sheet")
  convert -size "$size" pattern:checkerboard -fill '#777' -colorize 50% \
    "png:$sheet" -compose over -composite "$work/$name ($size).png"
  images+=("$work/$name ($size).png")
done
montage -label '%t' "${images[@]}" -geometry '256x256>+8+8' -tile 4x -background '#222' \
  -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -fill white -pointsize 13 -depth 8 "$out"
echo "wrote $out"

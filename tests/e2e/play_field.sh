#!/usr/bin/env bash
# The play field as a player meets it, on a scratch copy of the game: the level shows
# at once with no warning; the feed tool scatters seeds where the mouse is held; the
# day/night button darkens the field and brings the day back; the flashlight lights a
# pool under the cursor at night. SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content

start_game
xdotool windowfocus --sync "$window" || true
sleep 1

ratio_below() {  # a b limit: a/b < limit
  awk -v a="$1" -v b="$2" -v l="$3" 'BEGIN { exit !(a / b < l) }'
}

# The field: below the HUD row, away from the screen edges.
field=(160 140 960 480)

day=$(screenshot day)
day_mean=$(brightness "$day" "${field[@]}")
awk -v m="$day_mean" 'BEGIN { exit !(m > 0.15) }' || { echo "the level is not shown: mean $day_mean"; exit 1; }
if grep -q . "$dir/err"; then
  echo "start-up printed:"; cat "$dir/err"; exit 1
fi

# Feed: hold the left button over open ground; seeds appear there.
changed=$(feed_and_count_change 128 48 640 370)
[ "$changed" -gt 200 ] || { echo "holding the button with the feed tool changed $changed pixels"; exit 1; }

# Screenshots every 2 s until the field's brightness is below (or, with "above",
# not below) limit x day; prints the last path. Game time may run slower than the
# clock on a loaded machine, so this waits up to 90 s, not the transitions' 14 s.
wait_for() {  # name below|above limit
  local file mean
  for _ in $(seq 1 45); do
    file=$(screenshot "$1")
    mean=$(brightness "$file" "${field[@]}")
    if ratio_below "$mean" "$day_mean" "$3"; then
      [ "$2" = below ] && { echo "$file"; return; }
    else
      [ "$2" = above ] && { echo "$file"; return; }
    fi
    sleep 2
  done
  echo "the field stayed at brightness $mean against day $day_mean ($2 $3)" >&2
  exit 1
}

# Night: darker than day by at least 40 % once the transitions end.
click 48 48
sleep 4
screenshot dusk >/dev/null
night=$(wait_for night below 0.6)
night_mean=$(brightness "$night" "${field[@]}")

# The flashlight at night: a pool under the cursor.
click 288 48
xdotool mousemove --window "$window" 900 420
sleep 0.5
lit=$(screenshot night-flashlight)
pool=$(brightness "$lit" 870 390 60 60)
elsewhere=$(brightness "$lit" 300 420 60 60)
ratio_below "$elsewhere" "$pool" 0.7 || { echo "the pool ($pool) is not brighter than the field ($elsewhere)"; exit 1; }

# The magnifying glass follows the mouse.
click 208 48
xdotool mousemove --window "$window" 700 300
sleep 0.5
screenshot glass >/dev/null

# Dawn and sunrise bring the day back. The button is ignored until nightfall is
# over, and a click during dawn is ignored too: click until the field brightens.
dark=$(brightness "$(screenshot before-dawn)" "${field[@]}")
for _ in $(seq 1 15); do
  click 48 48
  sleep 3
  now=$(brightness "$(screenshot dawn)" "${field[@]}")
  awk -v a="$now" -v b="$dark" 'BEGIN { exit !(a > b + 0.02) }' && break
  awk -v a="$now" -v b="$dark" 'BEGIN { exit !(a < b) }' && dark=$now
done
back=$(wait_for day-again above 0.95)
back_mean=$(brightness "$back" "${field[@]}")

"$xclose" Vellimor
wait "$pid"
echo "day $day_mean, night $night_mean, pool $pool against $elsewhere, day again $back_mean"

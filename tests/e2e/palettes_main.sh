#!/usr/bin/env bash
# The main palette as a designer meets it, on scratch copies of the build and of
# content/: F1 shows it over the field; its "Object list" toggle shows the object
# list, whose right click on a row walks into that object; the toggle hides the list
# again. SCREENSHOTS=<dir> keeps the pictures.
# needs: editor
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
scratch_development_content


start_game
xdotool mousemove --window "$window" 640 700
sleep 1.5
hold_key F1
sleep 0.5
open=$(screenshot palettes-open)
# Closed and open again: the palette comes back (its "Pause game" row, now off since
# F11 opens over the running game, is left out). The screenshot's message behind the
# palette's title, which shows through it, fades first.
hold_key F11; sleep 0.3; hold_key F11; sleep 2.7
[ "$(changed "$open" "$(screenshot palettes-reopened)" 200x110+10+88)" -lt 200 ] || { echo "the main palette did not come back"; exit 1; }
# F11 left the field running: "Pause game" holds the ants still for the pictures below.
click 110 218
xdotool mousemove --window "$window" 640 700; sleep 0.3
open=$(screenshot palettes-paused)

click 110 122  # "Object list"
xdotool mousemove --window "$window" 640 700; sleep 0.3
shown=$(screenshot palettes-objects)
[ "$(changed "$open" "$shown" 220x300+10+360)" -gt 5000 ] || { echo "the object list did not show"; exit 1; }
[ "$(changed "$open" "$shown" 200x200+10+88)" -gt 20 ] || { echo "the toggle did not change"; exit 1; }

xdotool mousemove --window "$window" 60 404  # the first row: GameplayRoot
xdotool mousedown 3; sleep 0.1; xdotool mouseup 3; sleep 0.3
xdotool mousemove --window "$window" 640 700; sleep 0.3
walked=$(screenshot palettes-descended)
[ "$(changed "$shown" "$walked" 220x300+10+360)" -gt 50 ] || { echo "a right click did not walk into the row"; exit 1; }

click 110 122
xdotool mousemove --window "$window" 640 700; sleep 0.3
[ "$(changed "$open" "$(screenshot palettes-hidden)" 220x300+10+360)" -lt 200 ] || { echo "the object list did not hide"; exit 1; }

close_and_expect_clean_exit
echo "palettes: the main palette shows with the editor, its toggle shows and hides the object list, a right click walks in"

#!/usr/bin/env bash
# The options screen as a player uses it, and what the game then mixes. Through the
# pause menu's "Options" (keys held as people hold them, a click on a row): Music to
# 0 with Left, Effects to 0 with a click on its row, VSync off and a smaller window.
# Every change is in settings.json at once; after a restart the window has the chosen
# size and the screen shows Music at 0. OpenAL Soft's wave-file output records what
# the game mixes: with Music and Effects at 0 it is silent, with Music at 100 the
# music is heard. SCREENSHOTS=<dir> keeps the pictures.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
start_window_manager
settings="$config_dir/settings.json"
mix="$dir/mix.wav"
printf '[general]\ndither = false\nchannels = stereo\nsample-type = int16\nfrequency = 44100\n[wave]\nfile = %s\n' "$mix" >"$dir/alsoft.conf"
export ALSOFT_DRIVERS=wave ALSOFT_CONF="$dir/alsoft.conf"

options_panel=(280 300 25 200)  # the options panel, left of its rows and of the pause menu
music_value=(760 225 180 40)    # the music row's value between its arrows
# Dark text on a light panel, as the menus are.
bright() { awk -v b="$(brightness "$(screenshot "$5")" "${@:1:4}")" 'BEGIN { exit !(b > 0.55) }'; }
kept() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$settings" "$1" 2>/dev/null; }
# The RMS (0..1) of what OpenAL Soft wrote from byte <offset> of the file on.
mix_rms() {
  python3 - "$mix" "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
offset = max(int(sys.argv[2]), 44)
samples = data[offset - offset % 4:]
values = struct.unpack("<%dh" % (len(samples) // 2), samples[: len(samples) // 2 * 2])
print("%.6f" % ((sum(v * v for v in values) / max(len(values), 1)) ** 0.5 / 32768.0))
PY
}
mix_bytes() { stat -c %s "$mix" 2>/dev/null || echo 0; }
# Opens the options from a fresh pause menu: Esc, Down twice ("Options"), Enter.
open_options() {
  xdotool mousemove --window "$window" 1270 710
  hold_key Escape; sleep 0.3
  hold_key Down; sleep 0.2; hold_key Down; sleep 0.2; hold_key Return
  wait_until 30 "the options screen" 'bright "${options_panel[@]}" options'
}

# --- the first run: the changes, each kept at once ---
start_game
[ -s "$mix" ] || wait_until 20 "OpenAL Soft's wave output ($mix)" '[ -s "$mix" ]'
open_options
hold_key Down; sleep 0.2  # "Music volume"
full=$(screenshot music-100)
for _ in $(seq 1 10); do hold_key Left; sleep 0.15; done
wait_until 20 "MusicVolume 0 in settings.json" '[ "$(kept MusicVolume)" = 0 ]'
silent=$(screenshot music-0)
[ "$(changed "$full" "$silent" "${music_value[2]}x${music_value[3]}+${music_value[0]}+${music_value[1]}")" -gt 30 ] ||
  { echo "the music row did not change on the screen"; exit 1; }
# Dark text at least 4.5 : 1 on the panel, on the chosen row's highlight too.
for box in "300 228 200 34" "300 173 200 34" "780 228 120 34"; do
  ratio=$(python3 "$(dirname "$0")/support/contrast.py" "$silent" $box)
  awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' || { echo "text contrast $ratio below 4.5 in $box"; exit 1; }
done
click 400 300  # the "Effects volume" row: a step past 100 is 0
wait_until 20 "EffectsVolume 0 in settings.json" '[ "$(kept EffectsVolume)" = 0 ]'
[ "$(kept MusicVolume)" = 0 ] || { echo "the effects change lost the music's"; cat "$settings"; exit 1; }
hold_key Down; sleep 0.2; hold_key Down; sleep 0.2; hold_key Down; sleep 0.2  # "VSync"
hold_key Return
wait_until 20 "VSync false in settings.json" '[ "$(kept VSync)" = False ]'
hold_key Down; sleep 0.2; hold_key Left  # "Window size": one smaller
wait_until 20 "the window at 960 x 540" '[ "$(window_geometry)" = 960x540 ]'
wait_until 20 "the size in settings.json" '[ "$(kept WindowWidth)x$(kept WindowHeight)" = 960x540 ]'
screenshot options >/dev/null
close_and_expect_clean_exit

# --- the second run: kept, shown, and silent with Music and Effects at 0 ---
rm -f "$mix"
start_game
has_geometry 960x540 || { echo "the window opened at $(window_geometry), not 960x540"; exit 1; }
settle  # frames run: the music has started
from=$(mix_bytes)
open_options
hold_key Down; sleep 0.2
shown=$(screenshot music-0-again)
[ "$(changed "$silent" "$shown" "${music_value[2]}x${music_value[3]}+${music_value[0]}+${music_value[1]}")" -lt 30 ] ||
  { echo "after a restart the screen does not show Music at 0"; exit 1; }
[ "$(kept VSync)" = False ] || { echo "VSync was not kept"; cat "$settings"; exit 1; }
wait_until 30 "three seconds mixed" '[ $(( $(mix_bytes) - from )) -gt 529200 ]'
close_and_expect_clean_exit
quiet=$(mix_rms "$from")
awk -v r="$quiet" 'BEGIN { exit !(r < 0.0005) }' || { echo "Music and Effects at 0, yet the mix has RMS $quiet"; exit 1; }

# --- the third run: Music at 100 is heard ---
python3 - "$settings" <<'PY'
import json, sys
settings = json.load(open(sys.argv[1]))
settings["MusicVolume"] = 100
json.dump(settings, open(sys.argv[1], "w"))
PY
rm -f "$mix"
start_game
settle
from=$(mix_bytes)
wait_until 30 "three seconds mixed" '[ $(( $(mix_bytes) - from )) -gt 529200 ]'
close_and_expect_clean_exit
loud=$(mix_rms "$from")
awk -v r="$loud" 'BEGIN { exit !(r > 0.01) }' || { echo "Music at 100, yet the mix has RMS $loud"; exit 1; }
echo "options: Music 0 and Effects 0 kept and shown after a restart, mix RMS $quiet; Music 100 RMS $loud; VSync off and 960x540 kept"

#!/usr/bin/env bash
# The options screen as a player uses it, and what the game then mixes. Through the
# pause menu's "Options" (keys held as people hold them, a click on a row): Music to
# 0 with Left, Effects to 0 with a click on its row, VSync off and a smaller window.
# Every change is in settings.json at once; after a restart the window has the chosen
# size and the screen shows Music at 0. OpenAL Soft's wave-file output records what
# the game mixes: with Music and Effects at 0 it is silent, with Music at 100 the
# music is heard until the M key mutes it. SCREENSHOTS=<dir> keeps the pictures.
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
kept() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]])' "$settings" "$1" 2>/dev/null || true; }
# The RMS (0..1) of what OpenAL Soft wrote from byte <from> of the file on (to byte
# <until>, else to its end).
mix_rms() {
  python3 - "$mix" "$1" "${2:-0}" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
offset = max(int(sys.argv[2]), 44)
until = int(sys.argv[3]) or len(data)
samples = data[offset - offset % 4:until - until % 4]
values = struct.unpack("<%dh" % (len(samples) // 2), samples[: len(samples) // 2 * 2])
print("%.6f" % ((sum(v * v for v in values) / max(len(values), 1)) ** 0.5 / 32768.0))
PY
}
mix_bytes() { stat -c %s "$mix" 2>/dev/null || echo 0; }
# Keys are pressed 0.4 s apart: a loaded machine's frame may see one key come up and
# go down again, and then the second press is lost.
press() { for key in "$@"; do hold_key "$key"; sleep 0.4; done; }
# Opens the options from a fresh pause menu: Esc, Down twice ("Options"), Enter.
open_options() {
  xdotool mousemove --window "$window" 1270 710
  hold_key Escape
  wait_until 30 "the pause menu" 'bright 420 130 40 400 menu'
  press Down Down Return
  wait_until 30 "the options screen" 'bright "${options_panel[@]}" options'
}
# Presses the key until the setting has the value, each time waiting for the change.
step_until_kept() {  # key setting value
  local before
  for _ in $(seq 1 20); do
    [ "$(kept "$2")" = "$3" ] && return 0
    before=$(kept "$2")
    hold_key "$1"
    for _ in $(seq 1 25); do [ "$(kept "$2")" != "$before" ] && break; sleep 0.2; done
  done
  echo "$1 did not bring $2 to $3"; cat "$settings" "$dir/err"; exit 1
}

# --- the first run: the changes, each kept at once ---
start_game
[ -s "$mix" ] || wait_until 20 "OpenAL Soft's wave output ($mix)" '[ -s "$mix" ]'
open_options
press Down  # "Music volume"
full=$(screenshot music-100)
step_until_kept Left MusicVolume 0
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
press Down Down Down Return  # "VSync"
wait_until 20 "VSync false in settings.json" '[ "$(kept VSync)" = False ]'
press Down Left  # "Window size": one smaller
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
press Down
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
loud_until=$(mix_bytes)
# The Mute key in play: kept, and the mix goes silent (0.2 s past the change, which
# OpenAL Soft may still have held in its file buffer).
xdotool windowfocus --sync "$window" || true
hold_key m
wait_until 20 "Mute true in settings.json" '[ "$(kept Mute)" = True ]'
muted_from=$(( $(mix_bytes) + 35280 ))
wait_until 30 "two seconds mixed while muted" '[ $(( $(mix_bytes) - muted_from )) -gt 352800 ]'
close_and_expect_clean_exit
loud=$(mix_rms "$from" "$loud_until")
awk -v r="$loud" 'BEGIN { exit !(r > 0.01) }' || { echo "Music at 100, yet the mix has RMS $loud"; exit 1; }
muted=$(mix_rms "$muted_from")
awk -v r="$muted" 'BEGIN { exit !(r < 0.0005) }' || { echo "muted with M, yet the mix has RMS $muted"; exit 1; }
echo "options: Music 0 and Effects 0 kept and shown after a restart, mix RMS $quiet; Music 100 RMS $loud, muted with M $muted; VSync off and 960x540 kept"

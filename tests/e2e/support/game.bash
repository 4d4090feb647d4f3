# Shared by the end-to-end scripts (sourced by them; not a test of its own).

# A scratch directory $dir, removed on exit, holding a copy of the game and the
# player's settings; with "content", also a copy of its built Content without the
# development configuration, so nothing the game does can write into the source tree.
scratch_game() {  # <game> [content]
  dir=$(mktemp -d)
  trap 'end_scratch_game' EXIT
  cp "$1" "$dir/vellimor"
  # Everything the game writes for the player goes to the scratch directory too:
  # settings, user content, screenshots, recovery copies, the log, crash reports.
  export XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data" XDG_STATE_HOME="$dir/state"
  config_dir="$dir/config/vellimor" data_dir="$dir/data/vellimor" state_dir="$dir/state/vellimor"
  if [ "${2:-}" = content ]; then
    cp -r "$(dirname "$1")/Content" "$dir/Content"
    rm -f "$dir/Content/Config/GameConfig.json"
  fi
}

# A scratch copy of the repository's content/ in $dir/dev, named as the development
# content in the scratch game's configuration: the editor saves there.
scratch_development_content() {
  cp -r "$(dirname "${BASH_SOURCE[0]}")/../../../content" "$dir/dev"
  printf '{\n    "DevelopmentContentPath": "%s"\n}\n' "$dir/dev" >"$dir/Content/Config/GameConfig.json"
}

end_scratch_game() {
  if [ -n "${pid:-}" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}

# Starts the scratch game with its standard error in $dir/err and sets $pid; sets
# $window once the window titled "Vellimor" exists, and fails after 60 s without it
# (a loaded machine can take long to load the content), saying why it can tell.
start_game() {
  "$dir/vellimor" 2>"$dir/err" &
  pid=$!
  window=""
  for _ in $(seq 1 600); do
    window=$(xdotool search --name '^Vellimor$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  echo "no window titled Vellimor appeared"
  cat "$dir/err"
  if kill -0 "$pid" 2>/dev/null; then
    echo "the game is still running; where its threads are:"
    gdb -p "$pid" -batch -ex "thread apply all bt 30" 2>/dev/null | grep -E '^(Thread|#)' | grep -v "^#.* in ?? ()" || true
    echo "windows on $DISPLAY: $(xdotool search --name . getwindowname %@ 2>&1 | tr '\n' '|')"
    echo "the game's X connections: $(ls -l /proc/$pid/fd 2>/dev/null | grep -c socket)"
  else
    local status=0
    wait "$pid" 2>/dev/null || status=$?
    echo "the game ended with status $status"
  fi
  return 1
}

# Takes a screenshot with F12 (retried while focus settles) and prints its path;
# SCREENSHOTS=<dir> keeps a copy named after the argument.
screenshot() {
  local before after
  before=$(find "$dir" -name 'Screenshot-*.png' | wc -l)
  for _ in $(seq 1 3); do
    xdotool windowfocus --sync "$window" || true
    xdotool key F12
    for _ in $(seq 1 50); do
      after=$(find "$dir" -name 'Screenshot-*.png' | wc -l)
      [ "$after" -gt "$before" ] && break 2
      sleep 0.1
    done
  done
  sleep 0.3  # let the file be written whole
  local file
  file=$(find "$dir" -name 'Screenshot-*.png' -printf '%T@ %p\n' | sort -n | tail -n 1 | cut -d' ' -f2-)
  [ -s "$file" ] || { echo "no screenshot for $1" >&2; exit 1; }
  if [ -n "${SCREENSHOTS:-}" ]; then cp "$file" "$SCREENSHOTS/$1.png"; fi
  echo "$file"
}
# A screenshot taken at the end of a frame that began after every earlier event came:
# whatever follows sees the game caught up with them, however slow the frames.
settle() { screenshot settled >/dev/null; }
# How many pixels of a w x h+x+y box differ between two screenshots, colours within
# the fuzz (6 % unless given) counting as the same.
changed() {  # before after box [fuzz%]
  local n
  n=$(compare -metric AE -fuzz "${4:-6}%" -crop "$3" "$1" "$2" null: 2>&1 || true)
  n=${n%% *}
  echo "${n%.*}"
}
# Mean brightness (0..1) of a w x h box at x,y of a screenshot.
brightness() {
  convert "$1" -crop "$4x$5+$2+$3" -colorspace Gray -format '%[fx:mean]' info:
}
click() {  # x y, window pixels; a human click
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.1
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
  sleep 0.2
}
right_click() {  # x y, window pixels
  xdotool mousemove --window "$window" "$1" "$2"; sleep 0.1
  xdotool mousedown 3; sleep 0.1; xdotool mouseup 3
}
# Types a text into a palette field over what it held: a right click empties the
# field, one xdotool types the text (keys held 0.1 s even when a loaded machine is slow
# to start the next process), Enter commits it.
retype_field() {  # x y text
  right_click "$1" "$2"; sleep 0.4
  xdotool type --delay 200 "$3"
  hold_key Return; settle
}
# Chooses the feed tool by a click at (bx, by) and holds the left button at (fx, fy)
# (window pixels) for 1.5 s; prints how many pixels of the frame's 80 x 80 box at
# (600, 330), the frame spot under (fx, fy), changed meanwhile.
feed_and_count_change() {  # bx by fx fy
  local before after changed
  before=$(screenshot before-feed)
  click "$1" "$2"
  xdotool mousemove --window "$window" "$3" "$4"
  sleep 0.1
  xdotool mousedown 1; sleep 1.5; xdotool mouseup 1
  sleep 0.3
  after=$(screenshot feed)
  changed=$(compare -metric AE -fuzz 10% -crop "80x80+600+330" "$before" "$after" null: 2>&1 || true)
  changed=${changed%% *}
  echo "${changed%.*}"
}
hold_key() {  # key: held about 0.1 s, as a person presses it
  xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"
}
# The share (0..1) of the pixels of a w x h box at x,y that turned flame-coloured
# (bright red to yellow with little blue) from the first screenshot to the second.
new_flame_share() {  # before after x y w h
  local flame='(I.r > 0.75 && I.g > 0.3 && I.b < 0.5 && I.r - I.b > 0.4)'
  convert "$1" "$2" -crop "$5x$6+$3+$4" +repage \
    -fx "(${flame//I/v}) && !(${flame//I/u}) ? 1 : 0" -format '%[fx:mean]' info:
}
# Closes the window and fails unless the game exits 0 within 15 s without a crash report.
# With "twice", the window is closed a second time after the first close raised the
# question about unsaved work (a second close quits without answering).
close_and_expect_clean_exit() {
  "$xclose" Vellimor
  if [ "${1:-}" = twice ]; then
    sleep 1
    kill -0 "$pid" 2>/dev/null || { echo "the first close did not ask about unsaved work"; exit 1; }
    "$xclose" Vellimor
  fi
  for _ in $(seq 1 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not exit after its window was closed"; kill -9 "$pid"; exit 1
  fi
  local status=0
  wait "$pid" || status=$?
  pid=""
  if [ "$status" -ne 0 ] || [ -n "$(crash_report)" ]; then
    echo "the game exited with status $status"; cat "$dir/err"
    [ -n "$(crash_report)" ] && head -n 40 "$(crash_report)"
    exit 1
  fi
}
# The newest crash report in the scratch state directory; nothing when there is none.
crash_report() {
  find "$dir/state" -name 'crash-*.txt' 2>/dev/null | sort | tail -n 1
}
# Evaluates a shell condition until it holds, for at most <seconds>; fails the test
# with <what> otherwise. Waits for a state, however loaded the machine is.
wait_until() {  # seconds what condition
  local end=$((SECONDS + $1))
  until eval "$3" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || { echo "waited $1 s in vain: $2"; cat "$dir/err"; exit 1; }
    sleep 0.2
  done
}
# The number of entries of a level file, or of the level in a recovery copy.
level_entries() {  # file
  python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); print(len(d.get("Prefab", d)["AutoCreate"]))' "$1"
}
# A modifier held a little longer than the key it goes with, as people do: on a
# loaded machine one frame can see the key go down and both keys come up.
chord() {  # modifier key
  xdotool keydown "$1"; sleep 0.3; hold_key "$2"; sleep 0.3; xdotool keyup "$1"
}
# Alt+S, held as a person does.
save_level() { chord alt s; }

# Starts a window manager in the test's display and waits until it runs: fullscreen,
# resizing and maximising are its to grant, and a desktop always has one.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  trap 'kill $wm 2>/dev/null || true; end_scratch_game' EXIT
  wait_until 30 "the window manager to run" \
    "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}
# The game window's client size, "<w>x<h>".
window_geometry() { xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}'; }
has_geometry() {  # size: waits up to 5 s for the window to have it
  for _ in $(seq 1 50); do
    [ "$(window_geometry)" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
# Alt+Enter until the window has the size (the key may be lost while focus settles
# on a loaded machine).
alt_enter_until() {  # size
  for _ in 1 2 3; do
    xdotool windowfocus --sync "$window" || true
    xdotool keydown alt+Return; sleep 0.1; xdotool keyup alt+Return
    has_geometry "$1" && return 0
  done
  echo "the window is $(window_geometry), expected $1 after Alt+Enter"; exit 1
}

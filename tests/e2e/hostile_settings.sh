#!/usr/bin/env bash
# A player's settings.json that cannot be used does not stop the game: nested a
# hundred thousand deep (beyond the parser's stack) or a directory, the game starts
# with the default settings (a window, not fullscreen), warns once naming the file,
# runs its frames and closes cleanly.
set -euo pipefail
game="$1"
xclose="$2"
source "$(dirname "$0")/support/game.bash"
scratch_game "$game" content
settings="$XDG_CONFIG_HOME/vellimor/settings.json"

deep_settings() {
  mkdir -p "$(dirname "$settings")"
  {
    printf '{ "Fullscreen": true, "Deep": '
    head -c 100000 /dev/zero | tr '\0' '['
    head -c 100000 /dev/zero | tr '\0' ']'
    printf ' }\n'
  } >"$settings"
}

directory_settings() {
  rm -rf "$settings"
  mkdir -p "$settings"
}

# Starts the game, checks it came up with the defaults and one warning, closes it.
expect_defaults_and_one_warning() {  # case
  start_game
  screenshot "hostile-settings-$1" >/dev/null  # taken by the frame loop: frames run
  geometry=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
  if [ "$geometry" != "1280x720" ]; then
    echo "$1: window geometry is $geometry, expected the default 1280x720"; exit 1
  fi
  close_and_expect_clean_exit
  warnings=$(grep -c -F "Vellimor: $settings: " "$dir/err" || true)
  if [ "$warnings" != 1 ] || [ "$(grep -c -F "$settings" "$dir/err" || true)" != 1 ]; then
    echo "$1: expected one warning naming $settings, got:"; cat "$dir/err"; exit 1
  fi
  echo "$1: started with the defaults; $(grep -F "$settings" "$dir/err")"
}

deep_settings
expect_defaults_and_one_warning deep
directory_settings
expect_defaults_and_one_warning directory

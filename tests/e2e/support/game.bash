# Shared by the end-to-end scripts (sourced by them; not a test of its own).

# A scratch directory $dir, removed on exit, holding a copy of the game; with
# "content", also a copy of its built Content without the development configuration,
# so nothing the game does can write into the source tree.
scratch_game() {  # <game> [content]
  dir=$(mktemp -d)
  trap 'end_scratch_game' EXIT
  cp "$1" "$dir/vellimor"
  if [ "${2:-}" = content ]; then
    cp -r "$(dirname "$1")/Content" "$dir/Content"
    rm -f "$dir/Content/Config/GameConfig.json"
  fi
}

end_scratch_game() {
  if [ -n "${pid:-}" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}

# Starts the scratch game with its standard error in $dir/err and sets $pid; sets
# $window once the window titled "Vellimor" exists, and fails after 10 s without it.
start_game() {
  "$dir/vellimor" 2>"$dir/err" &
  pid=$!
  window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Vellimor$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  echo "no window titled Vellimor appeared"
  cat "$dir/err"
  return 1
}

#!/usr/bin/env bash
# Sprite throughput of the engine against two peers drawing the same sprites the same
# way (SDL2's OpenGL renderer with SDL_RenderGeometry, SFML with one sf::VertexArray),
# all under one Xvfb. Installs SFML (libsfml-dev) for this only; CI never runs it.
# Usage: scripts/bench-sprites.sh [build directory]
set -euo pipefail
build="${1:-build}"

if ! dpkg-query -W -f='${Status}' libsfml-dev 2>/dev/null | grep -q 'install ok installed'; then
  SUDO=()
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get install -y -qq --no-install-recommends libsfml-dev
fi
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target vellimor_sprite_bench sdl_sprite_bench sfml_sprite_bench

out=$(mktemp)
trap 'rm -f "$out"' EXIT
xvfb-run -a -s "-screen 0 1600x900x24" bash -c "
  cd '$build'
  ./vellimor_sprite_bench
  ./sdl_sprite_bench
  ./sfml_sprite_bench
" | tee "$out"

ours=$(awk '$1 == "vellimor" {print $2}' "$out")
sdl=$(awk '$1 == "sdl2" {print $2}' "$out")
sfml=$(awk '$1 == "sfml" {print $2}' "$out")
echo "largest sprite count at p95 <= 16.7 ms: vellimor $ours, SDL2 $sdl, SFML $sfml"
awk -v a="$ours" -v b="$sdl" -v c="$sfml" 'BEGIN { printf "ratio vs SDL2 %.2f x, vs SFML %.2f x\n", a / b, a / c }'

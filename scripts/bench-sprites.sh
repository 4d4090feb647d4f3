#!/usr/bin/env bash
# The frame's benchmarks, all under one Xvfb: the shipped gameplay frame (600 frames
# of `vellimor --frames`) by day and at night with the flashlight sweeping the field,
# each drawing only the cells that changed and drawn whole (--full-redraw); the
# sprite throughput of the engine against two peers drawing the same sprites the
# same way, filtered linearly (SDL2's OpenGL renderer with SDL_RenderGeometry, SFML
# with one sf::VertexArray), and SDL2 once more with its default nearest filtering;
# the lit frame against the plain one, with both frames' passes; and frame time
# against sprite count for the three, written to <build>/sprite-curve.csv and
# plotted into docs/sprite-curve.png.
# Installs SFML and gnuplot for this only; CI never runs it.
# Usage: scripts/bench-sprites.sh [build directory]
set -euo pipefail
build="${1:-build}"
repo=$(pwd)

missing=()
for package in libsfml-dev gnuplot-nox; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=()
  [ "$(id -u)" -eq 0 ] || SUDO=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target vellimor vellimor_sprite_bench sdl_sprite_bench sfml_sprite_bench

out=$(mktemp)
trap 'rm -f "$out"' EXIT
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run -a -s "-screen 0 1600x900x24" bash -c "
  cd '$build'
  for run in day:'' night:--night; do
    for redraw in tracked:'' whole:--full-redraw; do
      printf 'gameplay %s %s ' \"\${run%%:*}\" \"\${redraw%%:*}\"
      ./vellimor --frames 600 \${run#*:} \${redraw#*:} 2>/dev/null | tail -n 1
    done
  done
  ./vellimor_sprite_bench 2>/dev/null
  ./sdl_sprite_bench 2>/dev/null
  SDL_RENDER_SCALE_QUALITY=nearest ./sdl_sprite_bench 2>/dev/null
  ./sfml_sprite_bench 2>/dev/null
  echo 'sprites program mean_ms p95_ms' > sprite-curve.csv
  for n in 250 500 1000 2000 4000 8000; do
    for program in vellimor_sprite_bench sdl_sprite_bench sfml_sprite_bench; do
      ./\$program \$n 2>/dev/null | awk '{print \$2, \$1, \$4, \$6}' >> sprite-curve.csv
    done
  done
" | tee "$out"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

ours=$(awk '$1 == "vellimor" {print $2}' "$out")
sdl=$(awk '$1 == "sdl2" {print $2}' "$out")
sdlNearest=$(awk '$1 == "sdl2-nearest" {print $2}' "$out")
sfml=$(awk '$1 == "sfml" {print $2}' "$out")
echo "largest sprite count at p95 <= 16.7 ms: vellimor $ours, SDL2 $sdl (nearest: $sdlNearest), SFML $sfml"
awk -v a="$ours" -v b="$sdl" -v n="$sdlNearest" -v c="$sfml" \
  'BEGIN { printf "ratio vs SDL2 %.2f x (vs its nearest filtering %.2f x), vs SFML %.2f x\n", a / b, a / n, a / c }'

# One data file a program, so that each is drawn as one line.
for program in vellimor sdl2 sfml; do
  awk -v p="$program" '$2 == p {print $1, $4}' "$build/sprite-curve.csv" > "$build/sprite-curve-$program.dat"
done
gnuplot <<PLOT
set terminal pngcairo size 900,560 font ",11"
set output "$repo/docs/sprite-curve.png"
set title "Frame time against sprite count, 1280 x 720, llvmpipe under Xvfb"
set xlabel "moving 32 x 32 alpha-blended sprites"
set ylabel "95th-percentile frame time (ms)"
set logscale x 2
set key top left
set grid
set arrow from graph 0, first 16.7 to graph 1, first 16.7 nohead dashtype 2 lc rgb "gray40"
plot for [p in "vellimor sdl2 sfml"] "$build/sprite-curve-".p.".dat" using 1:2 with linespoints lw 2 title p
PLOT
echo "plot: docs/sprite-curve.png"

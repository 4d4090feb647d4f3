#!/usr/bin/env bash
# CPack makes the .deb from the build tree beside the game (into a scratch
# directory): it holds the program, the content, the desktop entry, icons,
# metainfo and man page under /usr, and dpkg-shlibdeps has named the SDL2 and
# OpenAL libraries the program links in its Depends.
set -euo pipefail
game="$1"
build=$(dirname "$game")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$dir" >"$dir/cpack.log" 2>&1; then
  cat "$dir/cpack.log"; exit 1
fi
deb=$(find "$dir" -maxdepth 1 -name 'vellimor_*.deb')
[ -n "$deb" ] || { echo "no vellimor_*.deb"; cat "$dir/cpack.log"; exit 1; }

dpkg-deb --contents "$deb" | awk '{print $6}' >"$dir/contents"
status=0
for path in ./usr/bin/vellimor ./usr/share/vellimor/Content/Textures/ \
  ./usr/share/applications/org.vellimor.Vellimor.desktop \
  ./usr/share/icons/hicolor/16x16/apps/org.vellimor.Vellimor.png \
  ./usr/share/icons/hicolor/512x512/apps/org.vellimor.Vellimor.png \
  ./usr/share/metainfo/org.vellimor.Vellimor.metainfo.xml ./usr/share/man/man6/vellimor.6.gz; do
  grep -qxF "$path" "$dir/contents" || { echo "the package lacks $path"; status=1; }
done
if grep -q 'Content/Config/GameConfig.json' "$dir/contents"; then
  echo "the package holds the development GameConfig.json"; status=1
fi

depends=$(dpkg-deb --field "$deb" Depends)
for library in libsdl2 libopenal; do
  grep -q "$library" <<<"$depends" || { echo "Depends does not name $library: $depends"; status=1; }
done
[ "$status" -eq 0 ] && echo "$(basename "$deb"): $(wc -l <"$dir/contents") entries; Depends: $depends"
exit "$status"

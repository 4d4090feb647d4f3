#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks the result is what a
# desktop and a package tool expect: the desktop entry and the AppStream metainfo
# pass their validators, every icon size is a PNG of that size under the name the
# desktop entry gives, the man page is there, and the content is there without
# the development configuration (which would point an installed game at a source tree).
#   scripts/check-install.sh <build dir>
set -euo pipefail
build="$1"
id=org.vellimor.Vellimor
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
status=0
fail() { echo "$*"; status=1; }

desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
# Errors and warnings fail; informational and pedantic notes do not.
appstreamcli validate --no-net --no-color "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
grep -q '@' "$metainfo" && fail "the metainfo has an unconfigured @VARIABLE@"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256 512; do
  png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
  if [ ! -f "$png" ]; then
    fail "no ${size}x${size} icon named $icon"
  elif ! file -b "$png" | grep -q "^PNG image data, $size x $size,"; then
    fail "${size}x${size}/apps/$icon.png is $(file -b "$png")"
  fi
done

[ -x "$prefix/bin/vellimor" ] || fail "no bin/vellimor"
[ -s "$share/man/man6/vellimor.6.gz" ] || fail "no man page"
for doc in README.md controls.md LICENSE; do
  [ -s "$share/doc/vellimor/$doc" ] || fail "no $doc in share/doc/vellimor"
done
[ -d "$share/vellimor/Content/Textures" ] || fail "no content in share/vellimor/Content"
[ -e "$share/vellimor/Content/Config/GameConfig.json" ] && fail "the development GameConfig.json was installed"

[ "$status" -eq 0 ] && echo "installed tree checked: $(find "$prefix" -type f | wc -l) files"
exit "$status"

#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need.
# Does nothing when every package is already present. Works as root or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev
  libepoxy-dev libgl1-mesa-dri
  libstb-dev
  libfreetype-dev fonts-dejavu-core
  libbox2d-dev
  libopenal-dev libsndfile1-dev
  libboost-dev libboost-regex-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick
  openbox x11-utils  # a window manager (and xprop) for the fullscreen test: X11 fullscreen needs one
  strace  # slows a save's fsync in the watchdog test
  desktop-file-utils  # desktop-file-validate, for the installed desktop file
  appstream  # appstreamcli validate, for the installed metainfo
  dpkg-dev  # dpkg-shlibdeps: the .deb's dependencies from the linked libraries
  file  # CPack's .deb generator finds the executables to hand dpkg-shlibdeps with it
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "install-deps: missing packages (${missing[*]}) and no root rights or sudo to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

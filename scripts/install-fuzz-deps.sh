#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond the normal build: clang with its libFuzzer
# and sanitizer runtimes, and llvm-symbolizer for readable reports.
set -euo pipefail

PACKAGES=(clang libclang-rt-14-dev llvm-14)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || { echo "install-fuzz-deps: need root or sudo for ${missing[*]}" >&2; exit 1; }
  SUDO=(sudo)
fi
echo "install-fuzz-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs whatever the build needs that this Debian 12 machine lacks.
# Runs apt-get as root, or through sudo for an ordinary user.
#   scripts/setup.sh [--screen-reader]
# --screen-reader also installs what scripts/orca-check.sh runs (the Orca
# screen reader, a private X server, xdotool, the session and accessibility
# buses); the builds and tests do not need it.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  fonts-wqy-microhei
  libssl-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14
  fonts-liberation2
  time
  poppler-utils
  desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix
  dpkg-dev file python3
)
if [ "${1:-}" = "--screen-reader" ]; then
  packages+=(orca xvfb xdotool dbus-x11 at-spi2-core)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all build dependencies are installed"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: missing packages ${missing[*]}; run this script as root or install sudo" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

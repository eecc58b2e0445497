#!/usr/bin/env bash
# Sets everything up, builds the game with its bundled issues and starts it
# from build/bin. Without a display (neither DISPLAY nor WAYLAND_DISPLAY is
# set) it says so and instead runs the game once on Qt's offscreen platform,
# saving the first painted main window as a picture, and tells where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target TavrelSudoku bundled_issues

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot="$PWD/build/TavrelSudoku-screenshot.png"
  echo "run: no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."
  echo "run: starting the game once on the offscreen platform to take a picture of its window instead."
  QT_QPA_PLATFORM=offscreen build/bin/TavrelSudoku --screenshot "$shot"
  echo "run: the game's window is in $shot"
else
  exec build/bin/TavrelSudoku
fi

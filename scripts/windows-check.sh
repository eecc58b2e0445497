#!/usr/bin/env bash
# Compiles the layers without Qt (common, game/model, game/data,
# game/pyramid, game/generator) for Windows with mingw-w64, to object files, so that the
# Windows-only code (wide file names, the registered browser command, the
# version resource) keeps compiling on a machine without a Windows Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++}
objects=$(mktemp -d)
trap 'rm -rf "$objects"' EXIT
export compiler objects
ls common/*.cpp game/model/*.cpp game/data/*.cpp game/pyramid/*.cpp game/generator/*.cpp |
  xargs -P "$(nproc)" -I{} sh -c '
    "$compiler" -std=c++20 -O0 -Wall -Wextra -Wpedantic -Werror \
      -Icommon -Igame/model -Igame/data -Igame/pyramid -Igame/generator -Iencrypt/include \
      -c "{}" -o "$objects/$(echo "{}" | tr / _).o" || { echo "windows-check: {} failed" >&2; exit 255; }'
echo "windows-check: $(ls "$objects" | wc -l) files compiled for Windows with $compiler"

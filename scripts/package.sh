#!/usr/bin/env bash
# Builds the game in Release and makes its Debian package:
# scripts/package.sh [FOLDER] writes FOLDER/tavrel-sudoku_<version>_amd64.deb
# (FOLDER defaults to build-package). Install it with
# apt install ./build-package/tavrel-sudoku_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build-package}
scripts/setup.sh
scripts/build.sh "$folder" -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF
(cd "$folder" && cpack -G DEB)
ls "$folder"/tavrel-sudoku_*.deb

#!/usr/bin/env bash
# Sets everything up, builds the project and runs its main job: until the
# game's main window exists, that is the catalogue of the bundled issues, as
# the game takes them in at its first start (build/bin/ISSUES).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
build/bin/tavrel-issue catalogue build/bin

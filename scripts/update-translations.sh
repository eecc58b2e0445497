#!/bin/bash
# Brings every translation file in translations/ up to date with the texts
# of the code: new texts come in unfinished, changed ones are marked, and
# texts no longer in the code are dropped. Run it after changing a text the
# player reads; then translate what lupdate reports as unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# TR_TEXT and TR_MARK (common/Text.h) mark texts in the layers without Qt.
"$LUPDATE" -recursive common encrypt game \
  -tr-function-alias QT_TRANSLATE_NOOP+=TR_TEXT,QT_TRANSLATE_NOOP+=TR_MARK \
  -locations relative -no-obsolete -ts translations/TavrelSudoku_*.ts "$@"

#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR and checks it as a player's system
# sees it: scripts/install-test.sh [BUILD-FOLDER]
#
# The files (the player's and nothing of the publisher's), the run path, the
# desktop entry and the AppStream data (with their validators); then the
# installed program, started on the offscreen platform as an ordinary user
# (nobody, when run as root) with a scratch home against a read-only
# installation: its catalogue lands in the player's data folder, a game
# loads, a second start changes nothing, a player's issue file is taken in
# once, and a damaged catalogue is rebuilt.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fail() { echo "install-test: $*" >&2; exit 1; }

scratch=$(mktemp -d /tmp/tavrel-install.XXXXXX)
trap 'chmod -R u+w "$scratch" 2>/dev/null || true; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
usr=$scratch/root/usr
DESTDIR=$scratch/root cmake --install "$build" --prefix /usr >/dev/null
pkg=$usr/lib/tavrel-sudoku

desktop=$(ls "$usr"/share/applications/*.desktop)
metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml)
id=$(basename "$desktop" .desktop)
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "metadata and desktop entry differ in name"
for file in "$pkg/TavrelSudoku" "$pkg/libEncrypt.so" "$pkg/INSTALLED" "$usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$file" ] || fail "missing ${file#$scratch/root}"
done
for size in 16 32 48 256; do
  [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}x${size} icon"
done
translated=$(ls "$build"/bin/translations/*.qm | wc -l)
[ "$translated" -gt 0 ] && [ "$(ls "$pkg"/translations/*.qm | wc -l)" -eq "$translated" ] || fail "the translations are not all installed"
bundled=$(ls "$build"/bin/ISSUES/*.ISS | wc -l)
[ "$bundled" -gt 0 ] && [ "$(ls "$pkg"/ISSUES/*.ISS | wc -l)" -eq "$bundled" ] || fail "the bundled issues are not all installed"
[ "$(readlink "$usr/bin/tavrel-sudoku")" = ../lib/tavrel-sudoku/TavrelSudoku ] || fail "bin/tavrel-sudoku is not the launcher"
readelf -d "$pkg/TavrelSudoku" | grep -Eq 'R(UN)?PATH.*\[\$ORIGIN\]' || fail "the program's run path is not \$ORIGIN"
extra=$(cd "$scratch/root" && find . -type f -o -type l | sort |
  grep -Ev '^\./usr/(bin/tavrel-sudoku|lib/tavrel-sudoku/(TavrelSudoku|libEncrypt\.so|INSTALLED|ISSUES/TAVREL[0-9][0-9]\.ISS|translations/TavrelSudoku_[a-zA-Z_]+\.qm)|share/(applications|metainfo|icons/hicolor)/.*)$' || true)
[ -z "$extra" ] || fail "installed beyond the player's files: $extra"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# A read-only installation and an ordinary player.
chmod -R a-w "$scratch/root"
home=$scratch/home
mkdir -p "$home/run"
chmod 700 "$home/run"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$home"
  as_player=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
else
  as_player=()
fi
data="$home/.local/share/Tavrel Sudoku International/Tavrel Sudoku"
settings="$home/.config/Tavrel Sudoku International/Tavrel Sudoku.conf"
start() {
  rm -f "$home/shot.png"
  "${as_player[@]}" env -i HOME="$home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
    timeout 120 "$usr/bin/tavrel-sudoku" --screenshot "$home/shot.png" >"$scratch/run.log" 2>&1 ||
    { cat "$scratch/run.log" >&2; fail "the installed program did not start and show its window"; }
  [ -s "$home/shot.png" ] || fail "no picture of the window"
}
issues() { od -An -tu4 -j4 -N4 "$data/GAMES.DAT" | tr -d ' '; }
state() { (cd "$home" && find . -path ./shot.png -prune -o -type f -print0 | sort -z | xargs -0 md5sum); }
installed=$(cd "$scratch/root" && find . | sort | xargs md5sum 2>/dev/null || true)

start
[ "$(issues)" = "$bundled" ] || fail "the player's catalogue does not list the bundled issues"
[ -d "$data/ISSUES" ] || fail "no player's issue folder"
grep -q '^LastPuzzle=' "$settings" || fail "no game was loaded"
first=$(state)
start
[ "$(state)" = "$first" ] || fail "a second start changed the player's files"

# A player's issue file: taken in once.
"$build/bin/tavrel-issue" generate "$scratch/EXTRA.ISS" --issue 90 --seed 9 --layouts 0 --grades singles >/dev/null
chmod 644 "$scratch/EXTRA.ISS"
"${as_player[@]}" cp "$scratch/EXTRA.ISS" "$data/ISSUES/EXTRA.ISS"
start
[ "$(issues)" = $((bundled + 1)) ] || fail "the player's issue file was not taken in"
taken=$(state)
start
[ "$(state)" = "$taken" ] || fail "the player's issue file was taken in again"

# A catalogue damaged beyond its header is rebuilt, the same as before.
"${as_player[@]}" truncate -s 7 "$data/GAMES.DAT"
start
[ "$(state)" = "$taken" ] || fail "the damaged catalogue was not rebuilt as it was"

[ "$(cd "$scratch/root" && find . | sort | xargs md5sum 2>/dev/null || true)" = "$installed" ] ||
  fail "the installation changed"
echo "install-test: installed, validated and played as $( [ ${#as_player[@]} -gt 0 ] && echo nobody || id -un)"

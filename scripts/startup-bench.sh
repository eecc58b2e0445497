#!/usr/bin/env bash
# Start-up of the game as a whole process, against a bare Qt main window
# built here (the floor no Qt program can beat). The two run in turn, each
# several times: start to the first painted main window (both exit right
# after it with --screenshot), and the resident memory at that point (the
# process's peak). Prints medians with their spread, and the ratios. The
# game also runs as on a player's first start, with no catalogue (GAMES.DAT)
# yet, so that it takes in and checks every bundled issue.
#   scripts/startup-bench.sh [RUNS]     (default 15)
# Both run on the display when there is one (DISPLAY or WAYLAND_DISPLAY),
# else on Qt's offscreen platform; QT_QPA_PLATFORM overrides the choice.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
scripts/setup.sh >/dev/null
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF >/dev/null
cmake --build build-bench -j "$(nproc)" --target TavrelSudoku bundled_issues bare_window >/dev/null

if [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    platform="the display"
  else
    export QT_QPA_PLATFORM=offscreen
  fi
fi
platform=${QT_QPA_PLATFORM:-${platform:-the display}}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game keeps its settings in a scratch home; the first (uncounted) run
# writes them, as a player's first start does.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Uncompressed pictures: what is timed is the start, not the compression of
# two very different pictures.
game=(build-bench/bin/TavrelSudoku --screenshot "$work/game.bmp")
bare=(build-bench/bench/bare_window --screenshot "$work/bare.bmp")
catalogue=build-bench/bin/ISSUES/GAMES.DAT

# One run: "milliseconds kilobytes".
measure() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000000 )) $(cat "$work/rss")"
}

"${game[@]}" >/dev/null 2>&1
"${bare[@]}" >/dev/null 2>&1
: >"$work/first"
: >"$work/game"
: >"$work/bare"
for _ in $(seq "$runs"); do
  rm -f "$catalogue"
  measure "${game[@]}" >>"$work/first"
  measure "${game[@]}" >>"$work/game"
  measure "${bare[@]}" >>"$work/bare"
done

# Median, minimum and maximum of column $2 of file $1.
stats() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { printf "%d %d %d\n", v[int((NR + 1) / 2)], v[1], v[NR] }'; }
read -r ft ftmin ftmax < <(stats "$work/first" 1)
read -r fm fmmin fmmax < <(stats "$work/first" 2)
read -r gt gtmin gtmax < <(stats "$work/game" 1)
read -r bt btmin btmax < <(stats "$work/bare" 1)
read -r gm gmmin gmmax < <(stats "$work/game" 2)
read -r bm bmmin bmmax < <(stats "$work/bare" 2)

echo "Start-up to the first painted main window, $runs runs each, on $platform"
awk -v ft="$ft" -v ftmin="$ftmin" -v ftmax="$ftmax" -v fm="$fm" -v fmmin="$fmmin" -v fmmax="$fmmax" \
    -v gt="$gt" -v gtmin="$gtmin" -v gtmax="$gtmax" -v bt="$bt" -v btmin="$btmin" -v btmax="$btmax" \
    -v gm="$gm" -v gmmin="$gmmin" -v gmmax="$gmmax" -v bm="$bm" -v bmmin="$bmmin" -v bmmax="$bmmax" 'BEGIN {
  printf "%-22s %10s %14s %12s %16s\n", "program", "time (ms)", "time min-max", "memory (MB)", "memory min-max"
  printf "%-22s %10d %14s %12.1f %16s\n", "TavrelSudoku, first", ft, ftmin "-" ftmax, fm / 1024, sprintf("%.1f-%.1f", fmmin / 1024, fmmax / 1024)
  printf "%-22s %10d %14s %12.1f %16s\n", "TavrelSudoku", gt, gtmin "-" gtmax, gm / 1024, sprintf("%.1f-%.1f", gmmin / 1024, gmmax / 1024)
  printf "%-22s %10d %14s %12.1f %16s\n", "bare Qt main window", bt, btmin "-" btmax, bm / 1024, sprintf("%.1f-%.1f", bmmin / 1024, bmmax / 1024)
  printf "first start (no GAMES.DAT) minus a start with it: %d ms\n", ft - gt
  printf "ratio game / bare: time %.2f (target at most 1.25), memory %.2f (target at most 1.30)\n", gt / bt, gm / bm
}'

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them.
#   scripts/fuzz.sh [--smoke] [SECONDS] [TARGET...]
#   scripts/fuzz.sh --campaign MINUTES [TARGET...]
# --smoke runs every target for a few seconds; otherwise each target runs for
# SECONDS (default 60), one after the other. Both start from the committed
# corpus (fuzz/*/corpus/TARGET) and the working one (build-fuzz/corpus/TARGET),
# and add new inputs to the working one only.
#
# --campaign runs the targets side by side, as many at a time as there are
# cores, sharing MINUTES of wall time out among them; then minimises each
# target's corpora (libFuzzer's merge) into a new working corpus and a new,
# smaller committed one, and prints a table per target. A finding
# stops the campaign: the script names the reproducer and the command that
# replays it, and exits 1. Run it under nice on a shared machine.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
campaign=
if [ "${1:-}" = "--smoke" ]; then
  seconds=5
  shift
elif [ "${1:-}" = "--campaign" ]; then
  if ! [[ "${2:-}" =~ ^[0-9]+$ ]] || [ "$2" -lt 1 ]; then
    echo "usage: scripts/fuzz.sh --campaign MINUTES [TARGET...]" >&2
    exit 2
  fi
  campaign=$2
  shift 2
fi
if [ -z "$campaign" ] && [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi

CC=clang CXX=clang++ scripts/build.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVREL_FUZZ=ON -DTAVREL_QT=OFF -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for binary in build-fuzz/fuzz/fuzz_*; do
    [ -x "$binary" ] && targets+=("$(basename "$binary" | sed 's/^fuzz_//')")
  done
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz targets built"
  exit 0
fi
for target in "${targets[@]}"; do
  if [ ! -x "build-fuzz/fuzz/fuzz_$target" ]; then
    echo "fuzz: no target $target" >&2
    exit 2
  fi
done

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# The committed corpus of a target, made when it has none yet.
seeds_of() {
  local found
  found=$(find fuzz -type d -path "*/corpus/$1" | head -n 1)
  if [ -z "$found" ]; then
    found="fuzz/corpus/$1"
    mkdir -p "$found"
  fi
  echo "$found"
}

if [ -z "$campaign" ]; then
  for target in "${targets[@]}"; do
    seeds=$(seeds_of "$target")
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    echo "fuzz: $target for ${seconds}s"
    build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=0 \
      "$work" "$seeds" 2>"build-fuzz/fuzz_$target.log" || {
        tail -n 40 "build-fuzz/fuzz_$target.log"
        echo "fuzz: $target failed" >&2
        exit 1
      }
  done
  echo "fuzz: ${#targets[@]} targets ran without a finding"
  exit 0
fi

# Campaign.
cores=$(nproc)
count=${#targets[@]}
slots=$((count < cores ? count : cores))
# Each target's share of the wall time when they take turns on the cores.
share=$((campaign * 60 * slots / count))
[ "$share" -lt 1 ] && share=1
logs=build-fuzz/campaign
rm -rf "$logs"
mkdir -p "$logs"
echo "fuzz: campaign of ${campaign} min, ${count} targets, ${slots} at a time, ${share}s each"
# Other work on the machine slows the targets down; the load says how much.
load_at_start=$(cut -d ' ' -f 1-3 /proc/loadavg 2>/dev/null || echo '?')

declare -A running=()
finding=

# Stops every target still running.
stop_all() {
  local pid
  for pid in "${!running[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${!running[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  running=()
}
trap 'stop_all; exit 130' INT TERM

# Waits for one target to end; a failure with a reproducer is a finding.
reap_one() {
  local pid status=0 target
  wait -n -p pid "${!running[@]}" || status=$?
  target=${running[$pid]}
  unset "running[$pid]"
  echo "$status" >"$logs/$target.status"
  if [ "$status" -ne 0 ]; then
    finding=$target
  fi
}

for target in "${targets[@]}"; do
  while [ ${#running[@]} -ge "$slots" ] && [ -z "$finding" ]; do
    reap_one
  done
  [ -n "$finding" ] && break
  seeds=$(seeds_of "$target")
  work="build-fuzz/corpus/$target"
  mkdir -p "$work" "$logs/$target.findings"
  echo "fuzz: $target for ${share}s"
  build-fuzz/fuzz/fuzz_"$target" -max_total_time="$share" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$logs/$target.findings/" "$work" "$seeds" >"$logs/$target.log" 2>&1 &
  running[$!]=$target
done
while [ ${#running[@]} -gt 0 ] && [ -z "$finding" ]; do
  reap_one
done
stop_all

# One row per target that ran: executions, executions per second and new
# inputs from libFuzzer's final statistics, coverage (edges) from its last
# status line.
table() {
  printf '%-18s %12s %8s %8s %10s  %s\n' target executions exec/s coverage "new inputs" findings
  local target log runs rate cov new found
  for target in "${targets[@]}"; do
    log="$logs/$target.log"
    [ -f "$log" ] || continue
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    new=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | sed 's/cov: //')
    found=$(find "$logs/$target.findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
      -o -name 'oom-*' \) | wc -l)
    printf '%-18s %12s %8s %8s %10s  %s\n' "$target" "${runs:-?}" "${rate:-?}" "${cov:-?}" "${new:-?}" "$found"
  done
}

if [ -n "$finding" ]; then
  table
  echo "fuzz: load average at start ${load_at_start}, on ${cores} cores"
  reproducer=$(find "$logs/$finding.findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) | head -n 1)
  echo
  grep -m 1 -E 'ERROR|SUMMARY|runtime error|deadly signal|Timeout|out-of-memory' "$logs/$finding.log" || true
  if [ -n "$reproducer" ]; then
    echo "fuzz: $finding found a fault; reproducer: $reproducer"
    echo "fuzz: replay with: ASAN_OPTIONS=$ASAN_OPTIONS UBSAN_OPTIONS=$UBSAN_OPTIONS" \
      "build-fuzz/fuzz/fuzz_$finding $reproducer"
  else
    echo "fuzz: $finding stopped without a reproducer; see $logs/$finding.log"
  fi
  exit 1
fi

# Minimise: the working corpus keeps each input that adds a feature (an edge,
# or a new hit count of one), the committed one only each that adds an edge,
# which carries the campaign's coverage in a few dozen small files.
for target in "${targets[@]}"; do
  seeds=$(seeds_of "$target")
  work="build-fuzz/corpus/$target"
  merged="$logs/$target.merged"
  edges="$logs/$target.edges"
  rm -rf "$merged" "$edges"
  mkdir -p "$merged" "$edges"
  if ! build-fuzz/fuzz/fuzz_"$target" -merge=1 -timeout=30 "$merged" "$work" "$seeds" \
       >"$logs/$target.merge.log" 2>&1 ||
     ! build-fuzz/fuzz/fuzz_"$target" -merge=1 -use_counters=0 -timeout=30 "$edges" "$merged" \
       >>"$logs/$target.merge.log" 2>&1; then
    echo "fuzz: merging the corpus of $target failed; see $logs/$target.merge.log" >&2
    exit 1
  fi
  find "$seeds" -maxdepth 1 -type f -delete
  cp "$edges"/* "$seeds"/ 2>/dev/null || true
  rm -rf "$work"
  cp -r "$merged" "$work"
done

table
echo
echo "fuzz: load average (1, 5, 15 min) at start ${load_at_start}, at end" \
  "$(cut -d ' ' -f 1-3 /proc/loadavg 2>/dev/null || echo '?'), on ${cores} cores"
size=$(du -sk --apparent-size fuzz/*/corpus | awk '{s += $1} END {print s}')
echo "fuzz: campaign ended without a finding; corpora minimised into fuzz/*/corpus/ (${size} KB)"

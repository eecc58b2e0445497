#!/usr/bin/env bash
# Builds the benchmarks in an optimised build and prints their tables.
#   scripts/bench.sh [FILTER]   (a Google Benchmark --benchmark_filter regex)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF >/dev/null
filter=${1:-.}
for binary in build-bench/bench/bench_*; do
  [ -x "$binary" ] || continue
  echo
  echo "== $(basename "$binary")"
  "$binary" --benchmark_filter="$filter" --benchmark_counters_tabular=true 2>&1 | grep -v '^\*\*\*WARNING'
done

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each of them.
#   scripts/fuzz.sh [--smoke] [SECONDS] [TARGET...]
# --smoke runs every target for a few seconds; otherwise each target runs for
# SECONDS (default 60). New inputs go to build-fuzz/corpus/, the committed
# seeds under fuzz/*/corpus/ are only read.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
if [ "${1:-}" = "--smoke" ]; then
  seconds=5
  shift
fi
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
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

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in "${targets[@]}"; do
  seeds=$(find fuzz -type d -path "*/corpus/$target" | head -n 1)
  work="build-fuzz/corpus/$target"
  mkdir -p "$work"
  echo "fuzz: $target for ${seconds}s"
  build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=0 \
    "$work" ${seeds:+"$seeds"} 2>"build-fuzz/fuzz_$target.log" || {
      tail -n 40 "build-fuzz/fuzz_$target.log"
      echo "fuzz: $target failed" >&2
      exit 1
    }
done
echo "fuzz: ${#targets[@]} targets ran without a finding"

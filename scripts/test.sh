#!/usr/bin/env bash
# Sets everything up and runs every test twice: in a normal build and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, where any report
# fails the run. The normal build is also installed and checked as a player's
# system sees it, played by ear with the Orca screen reader
# (scripts/orca-check.sh), and the layers without Qt are compiled for
# Windows. Then
# gives each fuzz target a short smoke run. Before building, every C++ file
# is checked against .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

echo "== formatting"
scripts/format-check.sh

echo "== normal build"
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && ctest --output-on-failure -j "$jobs")

echo "== installation"
scripts/install-test.sh build

echo "== screen reader check"
# Speech timing depends on the machine's load: a second run decides.
scripts/orca-check.sh build/bin || scripts/orca-check.sh build/bin

echo "== Windows compile check"
scripts/windows-check.sh

echo "== sanitizer build"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_SANITIZE=ON -DTAVREL_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
(cd build-asan && ctest --output-on-failure -j "$jobs")

echo "== fuzz smoke runs"
scripts/fuzz.sh --smoke

#!/usr/bin/env bash
# Builds frostdil a second time with clang under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitized/ (assertions on, no benchmarks) and runs the whole suite there, the fuzz targets'
# corpus replays included, with leak detection on. Any finding fails its test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-sanitized"

# Debug keeps the assertions; -O1 keeps the build and the run quick; line tables name the lines.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DFROSTDIL_SANITIZE=ON >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/qt-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
cd "$build"
LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

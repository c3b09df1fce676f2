#!/usr/bin/env bash
# Builds frostdil in Release into build-bench/ and runs every benchmark: prints one table of figures and
# targets, and exits with 1 when a target is missed. The on-screen runs use an X server of their own.
# Not part of the test command: figures need a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench

xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
  sh -c 'exec /usr/bin/python3 tests/benchmarks/bench.py --build build-bench --display "$DISPLAY"'

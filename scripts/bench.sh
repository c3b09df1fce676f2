#!/usr/bin/env bash
# Builds frostdil in Release into build-bench/ and runs every benchmark: prints one table of figures and
# targets, and exits with 1 when a target is missed. The on-screen runs use an X server of their own.
# Not part of the test command: figures need a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench

display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }

/usr/bin/python3 tests/benchmarks/bench.py --build build-bench --display ":$(cat "$display_file")"

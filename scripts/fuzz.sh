#!/usr/bin/env bash
# Fuzzes every reader of outside bytes: builds the targets of tests/fuzz as libFuzzer programs with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang) in build-fuzz/, runs each for SECONDS (default
# 60) one after another from its seed corpus, and prints per target the executions, executions per
# second, coverage and crashes. Inputs that crash are kept in build-fuzz/fuzz/<target>/crashes/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: the folders of tests/fuzz/corpus)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for folder in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$folder")"); done
fi

build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O2 -gline-tables-only" -DFROSTDIL_SANITIZE=ON -DFROSTDIL_FUZZERS=ON >/dev/null
cmake --build "$build" --target "${targets[@]/%/_fuzzer}"

export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/qt-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
# The users' locale, with its decimal comma, where the system has it.
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8

printf '\n%-18s %12s %10s %10s %8s\n' target executions exec/s coverage crashes
failed=0
for target in "${targets[@]}"; do
  work="$build/fuzz/$target"
  mkdir -p "$work/corpus" "$work/crashes"
  rm -f "$work/crashes/"*
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$work/crashes/")
  dictionary="$root/tests/fuzz/dictionaries/$target.dict"
  [ -f "$dictionary" ] && options+=(-dict="$dictionary")
  # New inputs go to the first folder; the seed corpus in the source tree stays as it is.
  "$build/tests/fuzz/${target}_fuzzer" "${options[@]}" "$work/corpus" "$root/tests/fuzz/corpus/$target" \
    >"$work/log" 2>&1 || true
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$work/log" | tail -1 | cut -d' ' -f2)
  crashes=$(find "$work/crashes" -type f | wc -l)
  printf '%-18s %12s %10s %10s %8s\n' "$target" "${executions:-?}" "${speed:-?}" "${coverage:-?}" "$crashes"
  [ "$crashes" -eq 0 ] && [ -n "$executions" ] || failed=1
done
[ "$failed" -eq 0 ] || echo "fuzz: a target crashed or did not run; see $build/fuzz/<target>/log" >&2
exit "$failed"

#!/usr/bin/env bash
# Prepares a laboratory folder: Archive/ with ten demo tests, Temp/N.ns with the signature lines and
# help_zolt.rtf. Nothing there is ever replaced: the demo tests take the archive's next free numbers, as
# the dilatometer numbers its tests (1..10 in a new folder), and the two files are copied only where
# missing. Running it again adds ten more demo tests.
# Usage: scripts/make-lab.sh FOLDER   (run after the build; ZOLT=path/to/zolt.exe picks another build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lab="$1"
zolt="${ZOLT:-$root/build/zolt.exe}"

if [ ! -x "$zolt" ]; then
  echo "make-lab: $zolt is missing; build first (scripts/build.sh)" >&2
  exit 1
fi
sh "$root/packaging/prepare-laboratory.sh" "$lab" "$root/lab"

# Cubes and cylinders, all four concrete types, two tests with an empty chamber.
demo_tests=(
  "--type 0 --shape cube --date 12.02.2024 --time 09:15:00"
  "--type 0 --shape cylinder --points 200 --date 12.02.2024 --time 13:40:00"
  "--type 1 --shape cube --present 1,1,0 --date 14.02.2024 --time 10:05:00"
  "--type 1 --shape cylinder --date 15.02.2024 --time 08:50:00"
  "--type 2 --shape cube --points 250 --date 19.02.2024 --time 09:30:00"
  "--type 2 --shape cylinder --points 160 --step 90 --date 20.02.2024 --time 11:10:00"
  "--type 3 --shape cube --present 1,0,1 --date 21.02.2024 --time 14:25:00"
  "--type 3 --shape cylinder --points 140 --date 22.02.2024 --time 09:00:00"
  "--type 0 --shape cube --series 2 --treatment 1 --date 26.02.2024 --time 10:45:00"
  "--type 2 --shape cube --series 2 --points 120 --step 120 --date 27.02.2024 --time 08:20:00"
)
for index in "${!demo_tests[@]}"; do
  read -r -a options <<<"${demo_tests[$index]}"
  if ! "$zolt" --archive "$lab/Archive" --seed "$(((index + 1) * 101))" "${options[@]}"; then
    echo "make-lab: stopped after $index demo tests; no file in $lab was replaced" >&2
    exit 1
  fi
done
echo "make-lab: ${#demo_tests[@]} demo tests in $lab/Archive"

#!/usr/bin/env bash
# Prepares a laboratory folder: Archive/ with demo tests, Temp/ for the report's files.
# Usage: scripts/make-lab.sh FOLDER   (run after the build; ZOLT=path/to/zolt.exe picks another build)
# Re-running regenerates the same demo tests under the same numbers; other files in Archive/ stay.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lab="$1"
zolt="${ZOLT:-$root/build/zolt.exe}"
mkdir -p "$lab/Archive" "$lab/Temp"

if [ ! -x "$zolt" ]; then
  echo "make-lab: $zolt is missing; build first (scripts/build.sh)" >&2
  exit 1
fi

# number | options: cubes and cylinders, all four concrete types, two tests with an empty chamber.
demo_tests=(
  "1|--type 0 --shape cube --date 12.02.2024 --time 09:15:00"
  "2|--type 0 --shape cylinder --points 200 --date 12.02.2024 --time 13:40:00"
  "3|--type 1 --shape cube --present 1,1,0 --date 14.02.2024 --time 10:05:00"
  "4|--type 1 --shape cylinder --date 15.02.2024 --time 08:50:00"
  "5|--type 2 --shape cube --points 250 --date 19.02.2024 --time 09:30:00"
  "6|--type 2 --shape cylinder --points 160 --step 90 --date 20.02.2024 --time 11:10:00"
  "7|--type 3 --shape cube --present 1,0,1 --date 21.02.2024 --time 14:25:00"
  "8|--type 3 --shape cylinder --points 140 --date 22.02.2024 --time 09:00:00"
  "9|--type 0 --shape cube --series 2 --treatment 1 --date 26.02.2024 --time 10:45:00"
  "10|--type 2 --shape cube --series 2 --points 120 --step 120 --date 27.02.2024 --time 08:20:00"
)
for entry in "${demo_tests[@]}"; do
  number="${entry%%|*}"
  read -r -a options <<<"${entry#*|}"
  "$zolt" --archive "$lab/Archive" --number "$number" --seed "$((number * 101))" "${options[@]}" >/dev/null
done
echo "make-lab: ${#demo_tests[@]} demo tests in $lab/Archive"
cp "$root/lab/help_zolt.rtf" "$lab/"
[ -e "$lab/Temp/N.ns" ] || cp "$root/lab/N.ns" "$lab/Temp/N.ns"

#!/usr/bin/env bash
# Builds the Debian packages frostdil and frostdil-simulator into build/packages/ from the Release build
# of scripts/build.sh, and prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
mkdir -p build/packages
rm -f build/packages/*.deb
if ! log=$(cd build && cpack -G DEB -B packages 2>&1); then
  echo "$log" >&2
  exit 1
fi
ls build/packages/*.deb

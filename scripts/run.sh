#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo laboratory folder (once) and starts frostdil in it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
[ -d build/laboratory ] || scripts/make-lab.sh build/laboratory
cd build/laboratory
exec ../frostdil

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (windows offscreen) beside a private print system.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ../scripts/with-cups.sh ctest --output-on-failure -j2
../scripts/test-package.sh

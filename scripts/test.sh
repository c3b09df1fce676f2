#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (windows offscreen) in the C locale and in the
# users' Russian one.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
scripts/run-suite.sh build

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (windows offscreen) in the C locale and in the
# users' Russian one, beside a private print system; then builds and tries the Debian packages.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
scripts/with-cups.sh scripts/run-suite.sh build
scripts/with-cups.sh scripts/test-sanitized.sh
scripts/test-package.sh

#!/usr/bin/env bash
# Prepares a laboratory folder: Archive/ with demo tests, Temp/ for the report's files.
# Usage: scripts/make-lab.sh FOLDER   (run after the build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lab="$1"
mkdir -p "$lab/Archive" "$lab/Temp"

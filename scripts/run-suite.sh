#!/usr/bin/env bash
# Runs every test program of BUILD_DIR twice: in the C locale and in the users' own ru_RU.UTF-8, whose
# decimal comma and Russian texts are what the laboratories see. Both runs always happen; the script
# fails when either does.
# Usage: scripts/run-suite.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: scripts/run-suite.sh BUILD_DIR}"

if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  echo "run-suite: the ru_RU.UTF-8 locale is not generated; scripts/setup.sh generates it" >&2
  exit 1
fi

# Runs ctest in a session of locale $1: LANG set, every LC_* variable of the caller's session cleared.
run_in() {
  local name="$1"
  shift
  echo "== tests with LANG=$name $*"
  (
    cd "$build"
    for variable in $(env | sed -n 's/^\(LC_[A-Z_]*\)=.*/\1/p'); do unset "$variable"; done
    unset LANGUAGE
    env LANG="$name" "$@" QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
  )
}

status=0
run_in C.UTF-8 || status=1
run_in ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 || status=1
exit $status

#!/usr/bin/env bash
# Builds, makes the demo municipality under demo/ when there is none, and opens
# the program on it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export FIREBIRD_LOCK="${FIREBIRD_LOCK:-$PWD/demo/.lock}"
if [ ! -f demo/Zolv.ini ]; then
  mkdir -p demo/.lock
  build/src/cli/diario-cli demo --dir demo
fi
mkdir -p "$FIREBIRD_LOCK"
exec build/src/app/diario --ini demo/Zolv.ini "$@"

#!/usr/bin/env bash
# Builds, then runs every test (logic against real Firebird, windows offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)" "$@"

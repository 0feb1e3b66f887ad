#!/bin/sh
# Sets up, builds and runs every test (core tests and window tests without a display).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"

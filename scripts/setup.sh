#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then configures and builds.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-packages.sh
cmake -S . -B build -DBALKA_WERROR=ON
cmake --build build -j "$(nproc)"

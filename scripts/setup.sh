#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then configures and builds.
set -eu
cd "$(dirname "$0")/.."
packages="cmake g++ make ccache qt6-base-dev qt6-translations-l10n libjpeg-dev nlohmann-json3-dev libgtest-dev libbenchmark-dev xvfb xauth"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
fi
cmake -S . -B build -DBALKA_WERROR=ON
cmake --build build -j "$(nproc)"

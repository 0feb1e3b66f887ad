#!/bin/sh
# Installs the Debian packages the builds need, only those missing; more may be named as
# arguments (the fuzz build adds clang).
set -eu
packages="cmake g++ make ccache qt6-base-dev qt6-translations-l10n libjpeg-dev nlohmann-json3-dev libgtest-dev libbenchmark-dev xvfb xauth $*"
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

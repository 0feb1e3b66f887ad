#!/bin/sh
# Sets up, builds and starts the desktop program (a project file may be given as argument).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec ./build/dravolit-balka "$@"

#!/bin/sh
# Builds the core and window tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize and runs every test there (window tests without a display). The first fault
# ends its test; a leak inside Qt's own uninstrumented libraries is passed over by
# tests/sanitize/lsan.supp, a leak in our code is not.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-packages.sh
# -O1 without debug information keeps the build short; the stack traces still name functions.
# The ordinary build enforces warnings; instrumented code makes the compiler warn about its own
# additions, so warnings are not errors here.
flags="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=None -DBALKA_WERROR=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-sanitize -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

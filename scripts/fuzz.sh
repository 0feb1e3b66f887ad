#!/bin/sh
# Builds the fuzz targets (libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, clang)
# in build-fuzz and runs each for SECONDS (default 60), starting from its seeds in
# tests/fuzz/corpus/NAME and the inputs that once failed in tests/fuzz/regressions/NAME.
# A crash, a leak, undefined behaviour or an input slower than the timeout fails the run; the
# input is then copied to tests/fuzz/regressions/NAME/ under the kind of its failure
# (crash-..., leak-..., timeout-...), where the ordinary ctest replays it from then on.
# Inputs the fuzzer finds worth keeping go to build-fuzz/corpus/NAME, not into the repository.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
case "$seconds" in
    '' | *[!0-9]* | 0) echo "Использование: scripts/fuzz.sh [СЕКУНДЫ]" >&2; exit 2 ;;
esac

./scripts/install-packages.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBALKA_FUZZ=ON -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only"
cmake --build build-fuzz -j "$(nproc)"

# A small quarantine and short allocation stacks: the targets allocate much per input, and the
# default settings spend more time on fresh pages and stack records than on the input.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:quarantine_size_mb=16:malloc_context_size=10"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# name, longest input in bytes
targets="project:8192 material:1024 catalogue:2048 numbers:64"
failed=""
summary=""
for entry in $targets; do
    name="${entry%%:*}"
    max_len="${entry#*:}"
    corpus="build-fuzz/corpus/$name"
    failures="build-fuzz/failures/$name"
    log="build-fuzz/logs/$name.log"
    mkdir -p "$corpus" "$failures" "build-fuzz/logs"
    rm -f "$failures"/*
    dict=""
    [ -f "tests/fuzz/$name.dict" ] && dict="-dict=tests/fuzz/$name.dict"
    echo "== fuzz_$name: $seconds s"
    status=0
    "build-fuzz/fuzz/fuzz_$name" $dict -max_total_time="$seconds" -max_len="$max_len" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$failures/" \
        "$corpus" "tests/fuzz/corpus/$name" "tests/fuzz/regressions/$name" >"$log" 2>&1 ||
        status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    [ -n "$runs" ] || runs=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    [ -n "$runs" ] || runs=0
    line="fuzz_$name: $runs inputs in $seconds s ($((runs / seconds)) per second)"
    if [ "$status" -ne 0 ] || [ -n "$(ls -A "$failures")" ]; then
        for input in "$failures"/*; do
            [ -e "$input" ] || continue
            cp "$input" "tests/fuzz/regressions/$name/"
            line="$line; failed, input kept as tests/fuzz/regressions/$name/$(basename "$input")"
        done
        grep -E 'ERROR|runtime error|SUMMARY|fuzz check failed|Test unit written' "$log" | head -n 20 || true
        echo "   whole output: $log"
        failed="$failed $name"
    fi
    echo "$line"
    summary="$summary$line
"
done

echo
printf '%s' "$summary"
if [ -n "$failed" ]; then
    echo "Сбой в целях:$failed" >&2
    exit 1
fi

#!/bin/sh
# Builds the fuzz targets of tests/fuzz with clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ and runs
# each for SECONDS seconds (30 when not given) from a copy of its seed
# corpus. A finding is kept in build-fuzz/findings/ and fails the run.
set -e
seconds=${1:-30}
cd "$(dirname "$0")/.."
root=$(pwd)
sh tools/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSUITE_FUZZ=ON -DSUITE_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_targets

export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
mkdir -p build-fuzz/findings
failed=""
for target in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    cp tests/fuzz/corpus/"$name"/* "$corpus"/ 2>/dev/null || true
    log=build-fuzz/findings/$name.log
    if "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix=build-fuzz/findings/"$name"- "$corpus" >"$log" 2>&1; then
        echo "$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no finding"
    else
        echo "$name: FINDING, see $log"
        tail -n 30 "$log"
        failed="$failed $name"
    fi
done
[ -z "$failed" ] || { echo "fuzz.sh: findings in$failed"; exit 1; }

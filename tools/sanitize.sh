#!/bin/sh
# Builds the suite and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there.
# Any finding fails the test that met it.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

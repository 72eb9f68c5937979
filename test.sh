#!/bin/sh
# Installs what is missing, builds the suite and runs every test headless.
set -e
cd "$(dirname "$0")"
sh tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"

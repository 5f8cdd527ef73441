#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest.
# SANITIZE=1 builds into build-asan with address and undefined-behaviour
# sanitizers instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SANITIZE:-0}" = 1 ]; then
    BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/setup.sh -DKESTRIAN_SANITIZE=ON
    dir=build-asan
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
else
    scripts/setup.sh
    dir=build
fi
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j2 --timeout 300

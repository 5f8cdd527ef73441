#!/usr/bin/env bash
# Sets up, builds and runs every test through CTest.
# SANITIZE=1 builds into build-asan with address and undefined-behaviour
# sanitizers instead; TSAN=1 into build-tsan with the thread sanitizer;
# FUZZ=1 into build-fuzz with clang, the two sanitizers and the fuzz targets
# of fuzz/ (the Qt-free libraries only), and runs those.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SANITIZE:-0}" = 1 ]; then
    BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/setup.sh -DKESTRIAN_SANITIZE=ON
    dir=build-asan
    export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
elif [ "${TSAN:-0}" = 1 ]; then
    BUILD_DIR=build-tsan BUILD_TYPE=Debug scripts/setup.sh -DKESTRIAN_TSAN=ON
    dir=build-tsan
    # Qt's libraries are not instrumented: accesses their own code makes
    # through intercepted calls (its pooled raster painting copies images with
    # memcpy) are not checked, so that reporting and suppressing thousands of
    # such races does not stall the windows for seconds.
    export TSAN_OPTIONS=${TSAN_OPTIONS:-suppressions=$PWD/tests/tsan.supp:ignore_noninstrumented_modules=1}
elif [ "${FUZZ:-0}" = 1 ]; then
    CC=clang CXX=clang++ BUILD_DIR=build-fuzz BUILD_TYPE=Debug scripts/setup.sh \
        -DKESTRIAN_GUI=OFF -DKESTRIAN_SANITIZE=ON -DKESTRIAN_FUZZ=ON
    dir=build-fuzz
    export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
else
    scripts/setup.sh
    dir=build
fi
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j2 --timeout 300

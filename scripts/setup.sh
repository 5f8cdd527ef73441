#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) and builds into ./build.
# Usage: scripts/setup.sh [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev dbus dbus-x11 xvfb xauth poppler-utils fonts-dejavu-core fonts-liberation
          cups-daemon cups-client libcups2-dev imagemagick libcli11-dev libgraphviz-dev graphviz
          pkg-config git)
bash scripts/ensure_packages.sh "${packages[@]}"

# The Node.js packages of the tests (the SARIF schema and its validator), when
# Node.js is there; the tests that need them skip without them.
if command -v npm >/dev/null 2>&1; then
    (cd tests/node && npm ci --no-audit --no-fund >/dev/null) ||
        echo "setup: npm ci in tests/node failed; the SARIF schema test will skip" >&2
fi

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "$@"
cmake --build "$build_dir" -j"$(nproc)"

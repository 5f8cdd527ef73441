#!/usr/bin/env bash
# Sets up, builds and runs the main job on the bundled sample dictionary:
# the program's window when a display is available, otherwise the
# companion tool's tables of the sample (the four lists of the window).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
sample=samples/SAMPLE.TXD
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/kestrian
fi
echo "No display: documenting $sample with kestrian-doc." >&2
build/tools/kestrian-doc lists "$sample"

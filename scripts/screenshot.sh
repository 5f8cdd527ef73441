#!/usr/bin/env bash
# Takes docs/dictionary-window.png and docs/print-options.png: the program
# under a virtual X display with the bundled sample open, then with File >
# Print chosen (needs xvfb and imagemagick's import).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake --build "$build_dir" --target kestrian-screen -j2
out=$(pwd)/docs/dictionary-window.png
xvfb-run -a -s "-screen 0 1000x660x24" "$build_dir/tests/kestrian-screen" "import -window root $out"
echo "wrote $out"
out=$(pwd)/docs/print-options.png
xvfb-run -a -s "-screen 0 1000x660x24" "$build_dir/tests/kestrian-screen" --print-options \
    "import -window root $out"
echo "wrote $out"

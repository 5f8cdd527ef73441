#!/usr/bin/env bash
# Takes docs/dictionary-window.png, docs/print-options.png, the window with a
# long path and the pick chooser of a large dictionary: the program
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
out=$(pwd)/docs/dictionary-window-long-path.png
xvfb-run -a -s "-screen 0 1000x660x24" "$build_dir/tests/kestrian-screen" --long-path \
    "import -window root $out"
echo "wrote $out"
out=$(pwd)/docs/pick-chooser.png
xvfb-run -a -s "-screen 0 1000x660x24" "$build_dir/tests/kestrian-screen" --chooser \
    "import -window root $out"
echo "wrote $out"

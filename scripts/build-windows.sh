#!/usr/bin/env bash
# Cross-builds kestrian-doc.exe (and the Qt-free libraries) for 64-bit Windows
# with Debian's MinGW-w64, statically linked (one file to copy), and checks it
# under wine64: the Qt-free unit tests, then kestrian-doc on the bundled
# sample, whose model, lists, text report and write-back must equal the Linux
# build's byte for byte. Graphviz layout is left out of this build (DOT and
# Mermaid diagrams still work; --version says so).
#   bash scripts/build-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(g++-mingw-w64-x86-64 wine64 wine cmake ninja-build libgtest-dev libgmock-dev libcli11-dev g++)
bash scripts/ensure_packages.sh "${packages[@]}"

# CLI11 is header-only: the cross build sees its folder alone, not /usr/include.
mkdir -p build-windows/cli11
ln -sfn /usr/include/CLI build-windows/cli11/CLI
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DKESTRIAN_GUI=OFF -DKESTRIAN_GRAPHVIZ=OFF -DBUILD_TESTING=ON \
    -DCLI11_INCLUDE_DIR="$root/build-windows/cli11" >/dev/null
cmake --build build-windows -j"$(nproc)" --target kestrian-doc test_portable
exe=$root/build-windows/tools/kestrian-doc.exe

# The Linux kestrian-doc to compare with: the Qt-free build.
cmake -S . -B build-nogui -G Ninja -DKESTRIAN_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build build-nogui -j"$(nproc)" --target kestrian-doc
linux=$root/build-nogui/tools/kestrian-doc

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine-prefix} WINEDEBUG=-all
"$wine" build-windows/tests/portable/test_portable.exe --gtest_brief=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp samples/SAMPLE.TXD "$work/"
cd "$work"
"$wine" "$exe" --version
failed=0
compare() {
    "$linux" "$@" >linux.out 2>linux.err || true
    "$wine" "$exe" "$@" >windows.out 2>windows.err || true
    # The report's "Printed :" line holds the time of the run.
    sed -i 's/^Printed : .*$/Printed : (time of the run)/' linux.out windows.out
    if cmp -s linux.out windows.out && cmp -s linux.err windows.err; then
        echo "same bytes: kestrian-doc $* ($(wc -c <linux.out) bytes)"
    else
        echo "DIFFERENT: kestrian-doc $*" >&2
        cmp linux.out windows.out >&2 || true
        failed=1
    fi
}
compare model SAMPLE.TXD
compare lists SAMPLE.TXD
compare lists SAMPLE.TXD --json --select Orders
compare report SAMPLE.TXD --format text --paper A4
compare report SAMPLE.TXD --format text --paper Letter --landscape
compare writeback SAMPLE.TXD
compare lint SAMPLE.TXD
compare diagram SAMPLE.TXD --format mermaid

# Windows paths: a drive letter and backslashes, and a file replaced in place.
windir=$("$wine" winepath -w "$work" 2>/dev/null | tr -d '\r')
"$wine" "$exe" writeback "$windir\\SAMPLE.TXD" -o "$windir\\OUT.TXD"
"$wine" "$exe" writeback "$windir\\SAMPLE.TXD" -o "$windir\\OUT.TXD"
"$linux" writeback SAMPLE.TXD | sed 's/^!DCT Path: .*$//' >linux.stripped
sed 's/^!DCT Path: .*$//' OUT.TXD >windows.stripped
if cmp -s linux.stripped windows.stripped && ! ls .kestrian-* >/dev/null 2>&1; then
    echo "same bytes: writeback to $windir\\OUT.TXD, replaced once, no temporary left"
else
    echo "DIFFERENT: writeback through a Windows path" >&2
    failed=1
fi
exit $failed

#!/usr/bin/env bash
# Builds the Debian package kestrian_VERSION_amd64.deb with CPack from the
# build in ./build (made by scripts/setup.sh when missing) and checks it: its
# contents, lintian (no errors), the desktop entry, and both programs run
# from a scratch root it is unpacked into.
#   bash scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(dpkg-dev lintian desktop-file-utils)
bash scripts/ensure_packages.sh "${packages[@]}"

build=${BUILD_DIR:-build}
scripts/setup.sh >/dev/null
rm -f "$build"/kestrian_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kestrian_*_amd64.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KB)"
dpkg-deb -f "$deb" Depends

# The files an installation needs, each in the package.
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(
    ./usr/bin/kestrian
    ./usr/bin/kestrian-doc
    ./usr/share/applications/kestrian.desktop
    ./usr/share/icons/hicolor/scalable/apps/kestrian.svg
    ./usr/share/icons/hicolor/48x48/apps/kestrian.png
    ./usr/share/icons/hicolor/256x256/apps/kestrian.png
    ./usr/share/mime/packages/kestrian-txd.xml
    ./usr/share/man/man1/kestrian.1.gz
    ./usr/share/man/man1/kestrian-doc.1.gz
    ./usr/share/bash-completion/completions/kestrian-doc
    ./usr/share/doc/kestrian/copyright
    ./usr/share/doc/kestrian/changelog.gz
    ./usr/share/doc/kestrian/examples/SAMPLE.TXD
)
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done

# lintian: errors fail; the warnings left are explained in the README.
lintian --fail-on error --tag-display-limit 0 "$deb"

# Unpacked into a scratch root: the desktop entry validates and both programs run.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/kestrian.desktop"
"$root/usr/bin/kestrian-doc" --version
"$root/usr/bin/kestrian" --version
"$root/usr/bin/kestrian-doc" lint "$root/usr/share/doc/kestrian/examples/SAMPLE.TXD"
echo "package checked: $deb"

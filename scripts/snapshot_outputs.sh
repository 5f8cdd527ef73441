#!/usr/bin/env bash
# Writes what kestrian-doc makes of a set of exports into one folder, so that
# two builds can be compared byte for byte (diff -r) after a change that must
# not alter any output.
#   bash scripts/snapshot_outputs.sh KESTRIAN_DOC OUT_DIR EXPORT...
set -uo pipefail
if [ $# -lt 3 ]; then
    echo "usage: snapshot_outputs.sh KESTRIAN_DOC OUT_DIR EXPORT..." >&2
    exit 2
fi
doc=$1
out=$2
shift 2
mkdir -p "$out"
export PAPERSIZE=a4
for export_file in "$@"; do
    name=$(basename "$export_file")
    base="$out/$name"
    "$doc" model "$export_file" >"$base.model.json" 2>"$base.model.err"
    echo "$?" >>"$base.rc"
    "$doc" writeback "$export_file" -o "$base.writeback" 2>"$base.writeback.err"
    echo "$?" >>"$base.rc"
    "$doc" lists "$export_file" >"$base.lists" 2>"$base.lists.err"
    echo "$?" >>"$base.rc"
    "$doc" lists "$export_file" --json >"$base.lists.json" 2>>"$base.lists.err"
    echo "$?" >>"$base.rc"
    "$doc" report "$export_file" --format text -o "$base.report.txt" 2>"$base.report.err"
    echo "$?" >>"$base.rc"
    "$doc" report "$export_file" -o "$base.report.pdf" 2>>"$base.report.err"
    echo "$?" >>"$base.rc"
    "$doc" report "$export_file" --paper Letter --no-summary --no-keys -o "$base.letter.pdf" \
        2>>"$base.report.err"
    echo "$?" >>"$base.rc"
done
# The report carries the time it was printed: masked, keeping its length so
# that a PDF's cross-reference offsets still compare.
for printed in "$out"/*.report.txt "$out"/*.pdf; do
    perl -pi -e 's/(\d\d? [A-Z]{3} \d\d \d\d?:\d\d:\d\d[AP]M)/"#" x length($1)/ge' "$printed"
done

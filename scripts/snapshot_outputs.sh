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
    # The workflow commands: the Markdown pages, the drawing whole and around
    # the first file, the lint findings, the export against itself, and its
    # text for Git.
    rm -rf "$base.docs"
    "$doc" docs "$export_file" -o "$base.docs" --diagram mermaid 2>&1 |
        sed "s|$out/||" >"$base.docs.out"
    echo "${PIPESTATUS[0]}" >>"$base.rc"
    "$doc" diagram "$export_file" --format dot >"$base.diagram.dot" 2>"$base.diagram.err"
    echo "$?" >>"$base.rc"
    first=$(awk '/^\[FILES\]/ { f = 1; next } /^\[(ALIASES|RELATIONS)\]/ { f = 0 }
                 f && /^[A-Za-z_]/ && $2 ~ /^FILE/ { print $1; exit }' "$export_file")
    if [ -n "$first" ]; then
        "$doc" diagram "$export_file" --format dot --select "$first" \
            >"$base.diagram-first.dot" 2>>"$base.diagram.err"
        echo "$?" >>"$base.rc"
        "$doc" lists "$export_file" --select "$first" --json >"$base.lists-first.json" \
            2>>"$base.lists.err"
        echo "$?" >>"$base.rc"
        "$doc" report "$export_file" --select "$first" --format text \
            -o "$base.report-first.txt" 2>>"$base.report.err"
        echo "$?" >>"$base.rc"
    fi
    "$doc" lint "$export_file" --json >"$base.lint.json" 2>"$base.lint.err"
    echo "$?" >>"$base.rc"
    "$doc" diff "$export_file" "$export_file" >"$base.diff" 2>"$base.diff.err"
    echo "$?" >>"$base.rc"
    "$doc" textconv "$export_file" >"$base.textconv" 2>"$base.textconv.err"
    echo "$?" >>"$base.rc"
done
# The report carries the time it was printed: masked, keeping its length so
# that a PDF's cross-reference offsets still compare.
for printed in "$out"/*report*.txt "$out"/*.pdf; do
    perl -pi -e 's/(\d\d? [A-Z]{3} \d\d +\d\d?:\d\d:\d\d[AP]M)/"#" x length($1)/ge' "$printed"
done

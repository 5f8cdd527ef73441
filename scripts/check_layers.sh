#!/usr/bin/env bash
# Checks that every project include ("folder/...") of the program's code goes
# down the layers (ARCHITECTURE.md), never up or sideways. Exits 1 naming each
# include that breaks a rule; <...> includes (system, Qt) are not looked at.
#   bash scripts/check_layers.sh
set -uo pipefail
cd "$(dirname "$0")/.."

# What each layer may include besides itself.
declare -A allowed=(
    [runtime/core]=""
    [dictionary]="runtime/core"
    [runtime]="runtime/core runtime/gui"
    [runtime/gui]="runtime/core runtime"
    [framework]="runtime/core dictionary runtime"
    [display/core]="runtime/core dictionary"
    [display]="runtime/core dictionary runtime framework display/core"
    [printing/core]="runtime/core dictionary"
    [printing]="runtime/core dictionary runtime framework display/core printing/core"
    [app]="runtime/core dictionary runtime framework display/core display printing/core printing"
    [workflow]="runtime/core dictionary"
    [tools]="runtime/core dictionary display/core printing/core workflow"
)
# runtime/gui/ is private to runtime/: the program's other layers never include
# it. The tests and benchmarks that drive windows reach into it (the GUI thread,
# the frame, a list's widget), as a test harness may; fuzz targets may not.

# Known exceptions, one "file include" a line, each with its reason. None now.
exceptions=(
)

# The layer of a path: the longest folder of the rules that holds it.
layer_of() {
    case $1 in
        runtime/core/*) echo runtime/core ;;  runtime/gui/*) echo runtime/gui ;;
        display/core/*) echo display/core ;;  printing/core/*) echo printing/core ;;
        */*) echo "${1%%/*}" ;;
        *) echo "" ;;
    esac
}

# file:line:included-path for every quoted include with a folder.
includes() {
    find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z | xargs -0 awk '
        match($0, /^[ \t]*#[ \t]*include[ \t]*"[^"]+\/[^"]*"/) {
            s = substr($0, RSTART, RLENGTH); sub(/^[^"]*"/, "", s); sub(/"$/, "", s)
            print FILENAME ":" FNR ":" s
        }'
}

checked=0
broken=0
report() { echo "$1:$2: #include \"$3\": $4" >&2; broken=$((broken + 1)); }
excepted() {
    local e
    for e in "${exceptions[@]}"; do [ "$e" = "$1 $2" ] && return 0; done
    return 1
}

while IFS=: read -r file line target; do
    checked=$((checked + 1))
    from=$(layer_of "$file")
    to=$(layer_of "$target")
    excepted "$file" "$target" && continue
    [ "$to" = "$from" ] && continue
    if [ -z "${allowed[$to]+set}" ]; then
        report "$file" "$line" "$target" "$from may not include $target (not a layer of the program)"
    elif [[ " ${allowed[$from]} " != *" $to "* ]]; then
        report "$file" "$line" "$target" "$from may include only itself${allowed[$from]:+, ${allowed[$from]// /, }}"
    fi
done < <(includes app framework display printing dictionary runtime tools workflow)

# Fuzz targets: only the privacy of runtime/gui/.
while IFS=: read -r file line target; do
    checked=$((checked + 1))
    [[ $target == runtime/gui/* ]] || continue
    excepted "$file" "$target" && continue
    report "$file" "$line" "$target" "runtime/gui/ is private to runtime/ (and the test harnesses)"
done < <(includes fuzz)

if [ "$broken" -gt 0 ]; then
    echo "layers: $broken of $checked includes break the layers" >&2
    exit 1
fi
echo "layers: $checked includes checked, all follow the layers"

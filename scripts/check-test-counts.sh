#!/bin/sh
# Fails when fewer tests of a label ran than its floor says, so tests that
# were not built (the office tests without the office SDK) or that skipped
# themselves (on a machine with the office) do not pass unnoticed.
#   check-test-counts.sh BUILD-FOLDER RESULTS FLOORS
# RESULTS is the JUnit file of the last ctest run (ctest --output-junit);
# FLOORS holds "label least-count" lines ("#" starts a comment).
set -u
build=$1
results=$2
floors=$3
for file in "$results" "$floors"; do
    if [ ! -f "$file" ]; then
        echo "check-test-counts: no file $file" >&2
        exit 2
    fi
done

short=0
while read -r label floor; do
    case "$label" in '' | '#'*) continue ;; esac
    ran=0
    names=$(cd "$build" && ctest -N -L "$label" | sed -n 's/^ *Test *#[0-9]*: //p')
    for name in $names; do
        grep -F "<testcase name=\"$name\" " "$results" | grep -q 'status="run"' &&
            ran=$((ran + 1))
    done
    if [ "$ran" -lt "$floor" ]; then
        echo "check-test-counts: $ran tests labelled $label ran, at least $floor expected"
        short=$((short + 1))
    else
        echo "check-test-counts: $ran tests labelled $label ran (at least $floor)"
    fi
done <"$floors"
[ "$short" -eq 0 ]

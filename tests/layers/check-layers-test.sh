#!/bin/sh
# Checks scripts/check-layers.sh on small made-up trees, so a check that
# passes the real tree is known to catch a file reaching upwards.
#   check-layers-test.sh CHECK-LAYERS
set -u
check=$1
work=$(mktemp -d /tmp/pellin-layers.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME CODE TEXT TREE: runs the check on TREE; the exit code must be
# CODE and the output must hold TEXT.
expect() {
    got=$(sh "$check" "$4" 2>&1)
    status=$?
    case "$got" in
    *"$3"*) found=1 ;;
    *) found=0 ;;
    esac
    if [ "$status" != "$2" ] || [ "$found" != 1 ]; then
        echo "FAIL $1: exit $status (expected $2), output:"
        echo "$got" | sed 's/^/  /'
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}

tree() {
    rm -rf "$work/src"
    mkdir -p "$work/src/platform/office" "$work/src/platform/process" "$work/src/core" "$work/src/batch" "$work/src/ui"
    echo '#include "platform/process/Thread.h"' >"$work/src/core/Project.h"
    echo '#include "core/Project.h"' >"$work/src/batch/Batch.cpp"
    echo '#include <string>' >"$work/src/platform/process/Thread.h"
    printf '#include "ui/Local.h"\n#include "core/Project.h"\n' >"$work/src/ui/Window.cpp"
}

tree
expect "downward includes pass" 0 "every layer uses only" "$work/src"

tree
echo '#include "batch/Batch.h"' >>"$work/src/core/Project.h"
expect "core including batch fails" 1 "core/Project.h:2: core uses the higher layer batch" "$work/src"

tree
echo '  #  include "ui/Window.h"' >"$work/src/platform/office/Deep.cpp"
expect "a sub-folder counts as its layer" 1 "platform uses the higher layer ui" "$work/src"

tree
mkdir -p "$work/src/extras"
expect "an unknown folder fails" 1 "extras is not a known layer" "$work/src"

tree
mkdir -p "$work/src/convert/chm" "$work/src/convert/job"
echo '#include "convert/job/Messages.h"' >"$work/src/convert/chm/Reading.cpp"
echo '#include "convert/chm/Reading.h"' >"$work/src/convert/job/Messages.h"
expect "two units of convert including each other fail" 1 "convert/chm/Reading" "$work/src"
rm "$work/src/convert/chm/Reading.cpp"
expect "the rooms of convert are listed" 0 "job -> chm" "$work/src"
echo '#include <string>' >"$work/src/convert/Loose.h"
expect "a file outside the rooms of convert fails" 1 "convert/Loose.h is in no room" "$work/src"

expect "a missing folder fails" 2 "no folder" "$work/none"

[ "$failures" -eq 0 ]

#!/bin/sh
# Fails when a source file includes a header of a layer above its own.
#   check-layers.sh [SRC-FOLDER]        (default: the tree's src)
# The layers, lowest first; a file in src/<layer>/ (or any folder below it)
# may include "<layer>/..." headers of its own layer and those listed before
# it only. The desktop window runs the windowless runner's error report, so
# console sits below ui.
set -u
src=${1:-$(dirname "$0")/../src}
layers="platform regex core batch convert console ui app"

rank() {
    n=0
    for l in $layers; do
        [ "$l" = "$1" ] && { echo $n; return; }
        n=$((n + 1))
    done
    echo -1
}

if [ ! -d "$src" ]; then
    echo "check-layers: no folder $src" >&2
    exit 2
fi

violations=0
for dir in "$src"/*/; do
    layer=$(basename "$dir")
    own=$(rank "$layer")
    if [ "$own" -lt 0 ]; then
        echo "check-layers: $layer is not a known layer (known: $layers)"
        violations=$((violations + 1))
        continue
    fi
    # Every quoted include naming a folder: FILE:LINE:#include "layer/...".
    hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[A-Za-z_]+/' \
        --include='*.h' --include='*.cpp' "$dir") || continue
    # The here-document keeps the loop in this shell, so the count survives it.
    while IFS= read -r hit; do
        used=$(echo "$hit" | sed -E 's/^[^"]*"([A-Za-z_]+)\/.*/\1/')
        other=$(rank "$used")
        [ "$other" -lt 0 ] && continue
        if [ "$other" -gt "$own" ]; then
            echo "check-layers: ${hit%%#*} $layer uses the higher layer $used: ${hit#*#}"
            violations=$((violations + 1))
        fi
    done <<EOF
$hits
EOF
done

if [ "$violations" -gt 0 ]; then
    echo "check-layers: $violations include(s) break the layer order ($layers)"
    exit 1
fi
echo "check-layers: every layer uses only the layers below it"

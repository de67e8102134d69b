#!/bin/sh
# Fails when a source file includes a header of a layer above its own, when a
# file of convert/ or platform/ sits outside their rooms (sub-folders), or
# when the units of convert/ (a file's .h and .cpp) include each other in a
# loop. Prints the include graph of convert/: room to room, and with --graph
# unit to unit.
#   check-layers.sh [--graph] [SRC-FOLDER]        (default: the tree's src)
# The layers, lowest first; a file in src/<layer>/ (or any folder below it)
# may include "<layer>/..." headers of its own layer and those listed before
# it only. The desktop window runs the windowless runner's error report, so
# console sits below ui.
set -u
graph=0
if [ "${1:-}" = "--graph" ]; then
    graph=1
    shift
fi
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

# Files directly in a layer that is split into rooms.
for layer in convert platform; do
    [ -d "$src/$layer" ] || continue
    for file in "$src/$layer"/*.h "$src/$layer"/*.cpp; do
        [ -e "$file" ] || continue
        echo "check-layers: $layer/${file##*/} is in no room of $layer"
        violations=$((violations + 1))
    done
done

# The include graph of convert/, one "unit included-unit" pair a line, a
# unit being a file's path under src without its extension.
edges=""
if [ -d "$src/convert" ]; then
    edges=$(cd "$src" && grep -rE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"convert/' \
        --include='*.h' --include='*.cpp' convert |
        sed -E 's/^([^:]*)\.(h|cpp):[^"]*"([^"]*)\.h".*/\1 \3/' | awk '$1 != $2' | sort -u)
fi
if [ -n "$edges" ]; then
    echo "check-layers: the rooms of convert/ and the rooms each includes:"
    echo "$edges" | awk '{ split($1, a, "/"); split($2, b, "/");
            if (a[2] != b[2]) print a[2], b[2]; else print a[2], "" }' | sort -u |
        awk '{ if (!($1 in seen)) { order[n++] = $1; seen[$1] = "" }
               if ($2 != "") seen[$1] = seen[$1] " " $2 }
             END { for (i = 0; i < n; i++)
                       print "  " order[i] " ->" (seen[order[i]] == "" ? " (none)" : seen[order[i]]) }'
    if [ "$graph" -eq 1 ]; then
        echo "check-layers: the units of convert/ and the units each includes:"
        echo "$edges" | awk '$1 != last { if (line) print line; line = "  " $1 " ->"; last = $1 }
                             { line = line " " $2 } END { if (line) print line }'
    fi
    # tsort names the units of a loop on its error output.
    loop=$(echo "$edges" | tsort 2>&1 >/dev/null)
    if [ -n "$loop" ]; then
        echo "check-layers: units of convert/ include each other in a loop:"
        echo "$loop" | grep -v 'input contains a loop' | sed -E 's/^tsort: /  /'
        violations=$((violations + 1))
    fi
fi

if [ "$violations" -gt 0 ]; then
    echo "check-layers: $violations problem(s) with the layers ($layers), the rooms or the loops"
    exit 1
fi
echo "check-layers: every layer uses only the layers below it"

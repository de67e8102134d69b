#!/usr/bin/env bash
# Converts the same twelve help files as Slurm job arrays of 1, 2 and 4 tasks
# of one converter each, on a one-node cluster started here (root, Slurm and
# MUNGE needed: scripts/install-deps.sh scripts/packages-slurm.txt), and
# prints per array: the wall time from the first task's start to the last
# task's end, the summed time of the tasks, and the peak of the summed
# resident memory of the office processes (soffice.bin, sampled every 0.2 s).
#
#   bench/slurm/measure-array.sh [build-folder] [tasks...]
#
# The node offers as many CPUs as the largest array has tasks, so every task
# of an array runs at once, as on that many nodes; on a machine with fewer
# cores the tasks share them.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$here/build}")
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1 2 4)
pellin=$build/bin/pellin
[ -x "$pellin" ] || { echo "build the program first: $pellin is missing" >&2; exit 1; }

work=$(mktemp -d /tmp/pellin-measure.XXXXXX)
cluster_unavailable() { echo "no cluster: $*" >&2; exit 1; }
CLUSTER_CPUS=$(printf '%s\n' "${counts[@]}" | sort -n | tail -n 1)
. "$here/tests/slurm/one-node-cluster.sh"
sampler=""
trap '[ -n "$sampler" ] && kill "$sampler" 2>/dev/null; cluster_stop; rm -rf "$work"' EXIT

# The shelf of the Slurm test: twelve help files in nested folders.
shelf=$work/shelf
mkdir -p "$shelf"/{manuals/basic,manuals/sub,intl,tools,copies/a,copies/b}
cp "$here"/tests/fixtures/{toc-basic,toc-subfolder,no-toc}.chm "$shelf/manuals/basic/"
cp "$here"/tests/fixtures/hostile-toc.chm "$shelf/manuals/sub/"
cp "$here"/tests/fixtures/{cyrillic,index-only}.chm "$shelf/intl/"
cp "$here"/samples/*.chm "$shelf/tools/"
cp "$here"/tests/fixtures/toc-basic.chm "$shelf/copies/a/"
cp "$here"/tests/fixtures/{toc-basic,toc-subfolder}.chm "$shelf/copies/b/"
cp "$here"/tests/fixtures/cyrillic.chm "$shelf/top-level.chm"

# Records each task's start and end (seconds) around the real program.
cat >"$work/timed-pellin" <<WRAP
#!/bin/sh
start=\$(date +%s.%N)
"$pellin" "\$@"
status=\$?
echo "\$start \$(date +%s.%N)" >>"\$PELLIN_TIMES"
exit \$status
WRAP
chmod +x "$work/timed-pellin"

# Peak of the summed RSS (kB) of this run's office processes, whose command
# lines name the run's own temporary folder.
sample_office_memory() {
    local marker=$1 out=$2 peak=0 sum
    while :; do
        sum=$(ps -eo rss=,args= | awk -v m="$marker" 'index($0, "soffice.bin") && index($0, m) { s += $1 } END { print s + 0 }')
        [ "$sum" -gt "$peak" ] && peak=$sum
        echo "$peak" >"$out"
        sleep 0.2
    done
}

cluster_start
printf '%-6s %10s %12s %16s %s\n' tasks "wall (s)" "task sum (s)" "office peak (MB)" summary
for n in "${counts[@]}"; do
    tmp=$work/tmp-$n
    mkdir -p "$tmp"
    sample_office_memory "$tmp" "$work/memory-$n" &
    sampler=$!
    env PELLIN="$work/timed-pellin" PELLIN_TIMES="$work/times-$n" TMPDIR="$tmp" sbatch --wait --quiet \
        --cpus-per-task=1 --array=0-$((n - 1)) --output="$work/task-$n-%a.out" --chdir="$work" \
        "$here/contrib/slurm/pellin-array.sbatch" "$shelf/*.chm" "$work/pdf-$n"
    kill "$sampler" 2>/dev/null
    wait "$sampler" 2>/dev/null
    sampler=""
    read -r wall total < <(awk '{ if (min == "" || $1 < min) min = $1; if ($2 > max) max = $2; t += $2 - $1 }
        END { printf "%.1f %.1f\n", max - min, t }' "$work/times-$n")
    summary=$("$here/contrib/slurm/pellin-gather-logs" --expect "$n" "$work/pdf-$n"/pellin-shard-*.log |
        awk -F': ' '/^(Jobs|Converted|Failed):/ { printf "%s%s %s", sep, $1, $2; sep = ", " }')
    printf '%-6s %10s %12s %16s %s\n' "$n" "$wall" "$total" "$(($(cat "$work/memory-$n") / 1024))" "$summary"
done

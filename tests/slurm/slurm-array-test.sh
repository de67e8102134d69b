#!/usr/bin/env bash
# Converts a shelf of help files as a Slurm job array on a one-node cluster
# started here, and checks that the shards split the shelf: every help file
# became exactly one PDF, written once, and the gathered summary counts every
# job. Then re-runs the largest shard alone with IsOverwrite=skip after
# removing one of its PDFs: only that one is converted again.
#
#   slurm-array-test.sh PELLIN SOURCE_TREE
#
# The cluster (munged, slurmctld, slurmd) runs from a configuration written
# into a temporary folder, with its own key, socket and ports, and is stopped
# however the test ends. Exit code 77 (skipped) where it cannot start: not
# root, Slurm, MUNGE or LibreOffice missing, or a daemon that does not come up.
set -uo pipefail

pellin=$(realpath "$1")
tree=$(realpath "$2")
recipe=$tree/contrib/slurm/pellin-array.sbatch
gather=$tree/contrib/slurm/pellin-gather-logs
shards=3

skip() {
    echo "SKIPPED: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}

[ "$(id -u)" = 0 ] || skip "starting slurmd needs root"
for tool in munged slurmctld slurmd sbatch squeue scancel sinfo; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh scripts/packages-slurm.txt installs Slurm and MUNGE)"
done
command -v soffice >/dev/null || skip "LibreOffice (soffice) is missing"
[ -x "$pellin" ] || fail "no program at $pellin"

work=$(mktemp -d /tmp/pellin-slurm.XXXXXX)
cluster_unavailable() { skip "$*"; }
# shellcheck source=one-node-cluster.sh
. "$(dirname "$0")/one-node-cluster.sh"

show_logs() {
    for log in "$work"/*.log "$work"/task-*.out; do
        [ -f "$log" ] || continue
        echo "--- $log"
        tail -n 25 "$log"
    done
}

finish() {
    local status=$?
    cluster_stop
    [ "$status" = 1 ] && show_logs
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT
trap 'exit 1' INT TERM

# Twelve help files in nested folders, two with the same name.
make_shelf() {
    local shelf=$work/shelf
    mkdir -p "$shelf"/{manuals/basic,manuals/sub,intl,tools,copies/a,copies/b}
    cp "$tree"/tests/fixtures/{toc-basic,toc-subfolder,no-toc}.chm "$shelf/manuals/basic/"
    cp "$tree"/tests/fixtures/hostile-toc.chm "$shelf/manuals/sub/"
    cp "$tree"/tests/fixtures/{cyrillic,index-only}.chm "$shelf/intl/"
    cp "$tree"/samples/*.chm "$shelf/tools/"
    cp "$tree"/tests/fixtures/toc-basic.chm "$shelf/copies/a/"
    cp "$tree"/tests/fixtures/toc-basic.chm "$shelf/copies/b/"
    cp "$tree"/tests/fixtures/toc-subfolder.chm "$shelf/copies/b/"
    cp "$tree"/tests/fixtures/cyrillic.chm "$shelf/top-level.chm"
    find "$shelf" -name '*.chm' | sort >"$work/sources"
}

# sbatch --wait over the recipe; the arguments go before the recipe.
submit() {
    timeout 240 env PELLIN="$pellin" sbatch --wait --quiet --cpus-per-task=1 \
        --output="$work/task-%a.out" --chdir="$work" "$@" || fail "the array job did not end well"
}

# Lines of one status, as "source<TAB>result", from the shard logs.
log_lines() {
    cat "$work"/pdf/pellin-shard-*.log | tr -d '\r' |
        awk -v want="$1" 'index($0, want " => ") == 1 {
            rest = substr($0, length(want) + 5); cut = index(rest, " => ")
            print substr(rest, 1, cut - 1) "\t" substr(rest, cut + 4) }'
}

check_first_run() {
    local count
    count=$(wc -l <"$work/sources")
    [ "$count" -ge 9 ] || fail "only $count help files on the shelf"
    for k in $(seq 0 $((shards - 1))); do
        [ -f "$work/pdf/pellin-shard-$k.log" ] || fail "shard $k wrote no log"
    done
    [ -z "$(log_lines Failure)" ] || fail "failed jobs: $(log_lines Failure)"
    # Each help file once, with Success and a PDF; each PDF once.
    diff <(log_lines Success | cut -f1 | sort) "$work/sources" ||
        fail "the shard logs do not name every help file exactly once"
    [ -z "$(log_lines Success | cut -f2 | sort | uniq -d)" ] || fail "a PDF was written twice"
    [ -z "$(log_lines Success | awk -F'\t' '$2 == ""')" ] || fail "a job was skipped in a fresh run"
    while IFS=$'\t' read -r source pdf; do
        [ "$(head -c 5 "$pdf" 2>/dev/null)" = "%PDF-" ] || fail "$source gave no PDF at $pdf"
    done < <(log_lines Success)
    local pdfs
    pdfs=$(find "$work/pdf" -name '*.pdf' | wc -l)
    [ "$pdfs" = "$count" ] || fail "$pdfs PDF files for $count help files"
    # No shard did all the work: the split is real.
    for k in $(seq 0 $((shards - 1))); do
        [ "$(grep -c '^Success' "$work/pdf/pellin-shard-$k.log")" -lt "$count" ] || fail "shard $k took every file"
    done

    local summary
    summary=$("$gather" --expect "$shards" "$work"/pdf/pellin-shard-*.log) || fail "gather: $summary"
    echo "$summary"
    grep -qx "Jobs: $count" <<<"$summary" || fail "the summary does not count $count jobs"
    grep -qx "Converted: $count" <<<"$summary" || fail "the summary does not count $count conversions"
    grep -qx "Failed: 0" <<<"$summary" || fail "the summary counts failures"
}

# The shard with the most files is run again on its own, as a failed task
# would be.
check_rerun() {
    local k log before removed
    k=$(grep -c '^Success' "$work"/pdf/pellin-shard-*.log | sort -t: -k2 -n | tail -n 1 |
        sed 's/.*pellin-shard-\([0-9]*\)\.log:.*/\1/')
    log=$work/pdf/pellin-shard-$k.log
    before=$(grep -c '^Success' "$log")
    removed=$(tr -d '\r' <"$log" | awk -F' => ' 'NR == 1 { print $3 }')
    [ -f "$removed" ] || fail "shard $k has no PDF to remove"
    rm -f "$removed"
    PELLIN_SHARDS=$shards submit --array="$k" "$recipe" "$work/shelf/*.chm" "$work/pdf" IsOverwrite=skip
    local lines converted
    lines=$(tr -d '\r' <"$log")
    [ "$(grep -c '^Success' <<<"$lines")" = "$before" ] || fail "the re-run did not take the same files"
    converted=$(grep -v ' => $' <<<"$lines")
    [ "$(wc -l <<<"$converted")" = 1 ] && grep -qF " => $removed" <<<"$converted" ||
        fail "the re-run converted more or other than the missing PDF: $converted"
    [ "$(head -c 5 "$removed")" = "%PDF-" ] || fail "the missing PDF was not written again"
    echo "Re-run of shard $k: $before jobs, only $removed converted again"
}

cluster_start
make_shelf
started=$(date +%s)
submit --array=0-$((shards - 1)) "$recipe" "$work/shelf/*.chm" "$work/pdf"
echo "$shards tasks converted $(wc -l <"$work/sources") help files in $(($(date +%s) - started)) s"
check_first_run
check_rerun
echo "PASSED"

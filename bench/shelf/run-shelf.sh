#!/bin/bash
# Runs the program once over every help file of the shelf, as a user would, and reports on the results.
#
#   bench/shelf/run-shelf.sh [--shelf DIR] [--out DIR] [--pellin PROGRAM] [--limit SECONDS] [--threads N]
#
# The run is one process: `pellin "-P:Source=DIR/*.chm,Target=OUT,PureConsole=1,..."` under `nice`,
# killed when it passes the limit (default 7200 s). Its console output goes to OUT/console.txt, its
# run log to OUT/run.log. Then report.py reads the log, the PDFs and the help files and prints the
# summary table; OUT/report.tsv holds one line per help file.
set -u
here=$(cd "$(dirname "$0")" && pwd)
shelf=${PELLIN_SHELF:-/work/shelf}
out=/tmp/pellin-shelf-$(date +%Y%m%d-%H%M%S)
pellin=$here/../../build/bin/pellin
limit=7200
threads=2
while [ $# -gt 0 ]; do
    case $1 in
        --shelf) shelf=$2; shift 2 ;;
        --out) out=$2; shift 2 ;;
        --pellin) pellin=$2; shift 2 ;;
        --limit) limit=$2; shift 2 ;;
        --threads) threads=$2; shift 2 ;;
        *) echo "usage: $0 [--shelf DIR] [--out DIR] [--pellin PROGRAM] [--limit SECONDS] [--threads N]" >&2; exit 1 ;;
    esac
done
pellin=$(realpath "$pellin") || exit 1
hh=$(dirname "$pellin")/pellin-hh
[ -x "$pellin" ] && [ -x "$hh" ] || { echo "no program at $pellin (or no pellin-hh beside it)" >&2; exit 1; }
ls "$shelf"/*.chm >/dev/null 2>&1 || { echo "no help files in $shelf" >&2; exit 1; }
mkdir -p "$out" || exit 1
out=$(realpath "$out")

echo "converting $(ls "$shelf"/*.chm | wc -l) help files from $shelf into $out (limit ${limit} s)" >&2
start=$(date +%s%N)
# The process's own folder is the output folder, so a core file it leaves lands there.
(cd "$out" && ulimit -c unlimited &&
    exec timeout -k 60 "$limit" nice -n 10 "$pellin" \
        "-P:Source=$shelf/*.chm,Target=$out,PureConsole=1,LogFile=$out/run.log,Timings=1,ThreadsCount=$threads") \
    >"$out/console.txt" 2>&1
rc=$?
echo "$rc $start $(date +%s%N)" >"$out/exit.txt"

exec python3 "$here/report.py" --shelf "$shelf" --out "$out" --hh "$hh"

#!/usr/bin/env bash
# API references made by Sandcastle (thousands of small icons, member tables,
# many anchors) converted by the program and by calibre in one
# run, both two files at a time. Prints each converter's wall time and peak
# memory (its processes summed, sampled every 0.2 s), pages per file, the
# ratio of the two times, and the share of each step of the program's jobs
# (from Timings=1). The machine's load average is printed before and after:
# the times mean little on a machine others are using.
#
#   bench/office/sandcastle.sh [build-folder] [file.chm...]
#
# Defaults: the build folder "build", the Sandcastle references of the shelf
# beside the work tree and the two of the shared wild samples.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
shift || true
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  for name in PFE--Help ical.net--Documentation openstack.net--Documentation NanoXLSX--Documentation; do
    [ -f "$here/../shelf/$name.chm" ] && files+=("$here/../shelf/$name.chm")
  done
  for name in iniio-documentation apihelp-documentation; do
    [ -f "$here/../shared/chm/wild/$name.chm" ] && files+=("$here/../shared/chm/wild/$name.chm")
  done
fi
pellin=$build/bin/pellin
[ -x "$pellin" ] || { echo "build the program first: $pellin is missing" >&2; exit 1; }
[ ${#files[@]} -gt 0 ] || { echo "no help files given or found" >&2; exit 1; }

. "$here/bench/office/common.sh"
prepare_work "${files[@]}"
"$here/bench/install-calibre.sh"

# run <name> <command...>: timed, with TMPDIR naming the run for the sampler.
run() {
  local name=$1; shift
  local tmp=$work/tmp-$name start end
  mkdir -p "$work/out-$name" "$tmp"
  sample_memory "$tmp" "$work/peak-$name" &
  local sampler=$!
  start=$(date +%s.%N)
  TMPDIR=$tmp "$@" >"$work/log-$name" 2>&1
  end=$(date +%s.%N)
  kill "$sampler" 2>/dev/null; wait "$sampler" 2>/dev/null
  awk -v a="$start" -v b="$end" 'BEGIN {print b - a}' > "$work/wall-$name"
}

# calibre's CHM input needs bench/large/calibre_chm.py's fix to run as root,
# and its web engine needs its sandbox off there.
calibre_all() {
  ls "$work"/source/*.chm | QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox xargs -P 2 -I{} sh -c \
    'calibre-debug -e "$3" "$1" "$2/$(basename "$1" .chm).pdf" >/dev/null 2>&1' _ {} \
    "$work/out-calibre" "$here/bench/large/calibre_chm.py"
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo "Converting ${#files[@]} help files..."
run pellin "$pellin" "-P:Source=$work/source/*.chm,Target=$work/out-pellin,PureConsole=1,ThreadsCount=2,Timings=1,LogFile=$work/out-pellin/run.log"
if command -v calibre-debug >/dev/null; then
  run calibre bash -c "$(declare -f calibre_all); work=$work; here=$here; calibre_all"
else
  echo "(calibre is not installed: no ratio)"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
printf '%-44s %8s %8s\n' "help file" "pellin" "calibre"
for chm in "$work"/source/*.chm; do
  name=$(basename "$chm" .chm)
  pages() { [ -f "$1" ] && pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}' || echo "-"; }
  printf '%-44s %8s %8s\n' "$name" "$(pages "$work/out-pellin/$name.pdf")" "$(pages "$work/out-calibre/$name.pdf")"
done
echo
for name in pellin calibre; do
  [ -f "$work/wall-$name" ] || continue
  printf '%-8s %8.1f s  peak %6.0f MB (two conversions at once)\n' "$name" "$(cat "$work/wall-$name")" \
    "$(awk '{print $1 / 1024}' "$work/peak-$name")"
done
missing=$(for chm in "$work"/source/*.chm; do
  [ -f "$work/out-calibre/$(basename "$chm" .chm).pdf" ] || echo x; done | wc -l)
if [ "$missing" -gt 0 ]; then
  echo "calibre wrote no PDF for $missing help files: no ratio"
elif [ -f "$work/wall-calibre" ]; then
  awk -v p="$(cat "$work/wall-pellin")" -v c="$(cat "$work/wall-calibre")" 'BEGIN {printf "ratio pellin / calibre: %.2f\n", p / c}'
fi
echo
echo "share of each step of the program's jobs:"
grep -h '^timing: ' "$work/log-pellin" | sed 's/^timing: [^:]*: //' | tr ' ' '\n' | awk -F= 'NF == 2 {s[$1] += $2; t += $2} END {for (k in s) printf "  %-10s %8.1f s %5.1f%%\n", k, s[k], 100 * s[k] / t}' | sort -k2 -nr
grep -h -e 'failed' -e 'timing: ' "$work/log-pellin"

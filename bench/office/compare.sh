#!/usr/bin/env bash
# Converts a set of help files with the program (ThreadsCount 1 and 2) and,
# where installed, with calibre's ebook-convert and an htmldoc pipeline; prints
# wall time, peak memory (all processes of the converter summed, sampled every
# 0.2 s), pages and outline entries, each also as a ratio to the first row.
#
#   bench/office/compare.sh [build-folder] [file.chm...]
#
# Defaults: the build folder "build" and the bundled samples plus the real
# sample files beside the work tree.
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
shift || true
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  files=("$here"/samples/*.chm)
  [ -d "$here/../shared/chm/real" ] && files+=("$here"/../shared/chm/real/*.chm)
fi
pellin=$build/bin/pellin
hh=$build/bin/pellin-hh
[ -x "$pellin" ] || { echo "build the program first: $pellin is missing" >&2; exit 1; }

. "$here/bench/office/common.sh"
prepare_work "${files[@]}"

# run <name> <output folder> <command...>: the command runs with TMPDIR set to
# a folder named after the run, so its offices and helpers carry the marker.
run() {
  local name=$1 out=$2; shift 2
  local tmp=$work/tmp-$name
  mkdir -p "$out" "$tmp"
  sample_memory "$tmp" "$work/peak-$name" &
  local sampler=$!
  local start end
  start=$(date +%s.%N)
  TMPDIR=$tmp "$@" >"$work/log-$name" 2>&1
  end=$(date +%s.%N)
  kill "$sampler" 2>/dev/null; wait "$sampler" 2>/dev/null
  local pages=0 outline=0 pdfs=0
  for pdf in "$out"/*.pdf; do
    [ -f "$pdf" ] || continue
    pdfs=$((pdfs + 1))
    pages=$((pages + $(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')))
    outline=$((outline + $(qpdf --json "$pdf" 2>/dev/null |
      awk '/^  "outlines":/ {on=1} /^  "qpdf":/ {on=0} on && /"title":/ {n++} END {print n+0}')))
  done
  printf '%s %s %s %s %s %s\n' "$name" "$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}')" "$(cat "$work/peak-$name" 2>/dev/null || echo 0)" \
    "$pages" "$outline" "$pdfs" >> "$work/results"
}

# Each command line names the run's temporary folder, so the sampler sees it.
pellin_run() {
  local threads=$1 out=$work/out-pellin$1
  run "pellin-threads-$threads" "$out" "$pellin" \
    "-P:Source=$work/source/*.chm,Target=$out,PureConsole=1,ThreadsCount=$threads,LogFile=$out/run.log"
}

# Topic files of a decompiled help file in table-of-contents order.
toc_topics() {
  local folder=$1 hhc
  hhc=$(find "$folder" -iname '*.hhc' | head -1)
  [ -n "$hhc" ] || return 0
  grep -io 'name="Local" value="[^"]*"' "$hhc" | sed 's/.*value="//; s/"$//; s/#.*//' | awk '!seen[tolower($0)]++' |
    while read -r topic; do [ -f "$(dirname "$hhc")/$topic" ] && echo "$(dirname "$hhc")/$topic"; done
}

htmldoc_all() {
  local out=$1 chm name folder
  for chm in "$work"/source/*.chm; do
    name=$(basename "$chm" .chm)
    folder=$TMPDIR/$name
    mkdir -p "$folder"
    "$hh" -decompile "$folder" "$chm" >/dev/null 2>&1
    mapfile -t topics < <(toc_topics "$folder")
    [ ${#topics[@]} -gt 0 ] && htmldoc --book --quiet -f "$out/$name.pdf" "${topics[@]}" >/dev/null 2>&1
  done
}

ebook_all() {
  local out=$1 chm
  for chm in "$work"/source/*.chm; do
    ebook-convert "$chm" "$out/$(basename "$chm" .chm).pdf" >/dev/null 2>&1
  done
}

echo "Converting ${#files[@]} help files..."
pellin_run 1
pellin_run 2
if command -v ebook-convert >/dev/null; then
  run ebook-convert "$work/out-ebook" bash -c "$(declare -f ebook_all); work=$work; ebook_all $work/out-ebook"
else
  echo "(calibre's ebook-convert is not installed: row left out)"
fi
if command -v htmldoc >/dev/null && [ -x "$hh" ]; then
  run htmldoc "$work/out-htmldoc" bash -c "$(declare -f toc_topics htmldoc_all); work=$work; hh=$hh; htmldoc_all $work/out-htmldoc"
else
  echo "(htmldoc is not installed: row left out)"
fi

echo
awk 'NR == 1 {t0 = $2; m0 = $3; p0 = $4; o0 = $5}
     function ratio(v, base) { return base > 0 ? sprintf("%.2f", v / base) : "-" }
     BEGIN {printf "%-20s %9s %6s %10s %6s %6s %6s %8s %6s %4s\n", "converter", "wall s", "x", "peak MB", "x", "pages", "x", "outline", "x", "pdfs"}
     {printf "%-20s %9.1f %6s %10.0f %6s %6d %6s %8d %6s %4d\n", $1, $2, ratio($2, t0), $3 / 1024, ratio($3, m0), $4, ratio($4, p0), $5, ratio($5, o0), $6}' \
  "$work/results"

# Sourced by the office benchmarks.

# A scratch folder $work, removed on exit, with copies of the help files in
# $work/source.
prepare_work() {
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/source"
  local f
  for f in "$@"; do cp "$f" "$work/source/"; done
}

# Sum of the resident memory (kB) of the processes whose command line holds
# the marker; the highest sum seen while the command runs is written to $2.
sample_memory() {
  local marker=$1 out=$2 peak=0 sum
  while :; do
    sum=$(ps -eo rss=,args= | grep -F -- "$marker" | grep -v -e 'grep' -e 'ps -eo' | awk '{s+=$1} END {print s+0}')
    [ "$sum" -gt "$peak" ] && peak=$sum
    echo "$peak" > "$out"
    sleep 0.2
  done
}

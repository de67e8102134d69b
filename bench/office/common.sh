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

# Sum of the resident memory (kB) of the processes whose command line or
# environment holds the marker (a run's TMPDIR reaches every process it
# starts, calibre's workers included); the highest sum seen while the command
# runs is written to $2.
sample_memory() {
  local marker=$1 out=$2 peak=0 sum
  while :; do
    sum=$(grep -lsF -e "$marker" /proc/[0-9]*/cmdline /proc/[0-9]*/environ |
      sed 's|/[a-z]*$||' | sort -u | grep -v "^/proc/$BASHPID\$" |
      while read -r proc; do awk '/^VmRSS:/ {print $2}' "$proc/status" 2>/dev/null; done |
      awk '{s+=$1} END {print s+0}')
    [ "$sum" -gt "$peak" ] && peak=$sum
    echo "$peak" > "$out"
    sleep 0.2
  done
}


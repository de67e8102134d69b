#!/bin/sh
# Checks contrib/slurm/pellin-gather-logs on hand-made shard logs.
#   gather-logs-test.sh GATHER
set -u
gather=$1
work=$(mktemp -d /tmp/pellin-gather.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# expect NAME CODE EXPECTED-OUTPUT -- ARGS...: runs the script, compares.
expect() {
    name=$1 code=$2 want=$3
    shift 4
    got=$("$gather" "$@" 2>&1)
    status=$?
    if [ "$status" != "$code" ] || [ "$got" != "$want" ]; then
        echo "FAIL $name: exit $status (expected $code)"
        echo "$got" | sed 's/^/  got:  /'
        echo "$want" | sed 's/^/  want: /'
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

crlf() { printf '%s\r\n' "$@"; }

crlf "Success => /shelf/a/x.chm => /pdf/a/x.pdf" \
    "Failure => /shelf/a/bad.chm => No topic found in the help file" \
    "Success => /shelf/a/old.chm => " >"$work/pellin-shard-0.log"
# The last line without its line end, and a message holding the separator.
printf 'Success => /shelf/b/y.chm => /pdf/b/y.pdf\r\nFailure => /shelf/b/z.chm => odd => message' \
    >"$work/pellin-shard-1.log"
: >"$work/pellin-shard-2.log"

expect "counts and failures of every shard" 1 "Logs: 3
Jobs: 5
Converted: 2
Skipped: 1
Failed: 2
Failures:
  /shelf/a/bad.chm => No topic found in the help file
  /shelf/b/z.chm => odd => message" -- "$work"/pellin-shard-*.log

crlf "Success => /shelf/c.chm => /pdf/c.pdf" "Success => /shelf/d.chm => " >"$work/good=1.log"
expect "a clean run, read from a name holding =" 0 "Logs: 1
Jobs: 2
Converted: 1
Skipped: 1
Failed: 0" -- "$work/good=1.log"

expect "a missing shard log" 1 "Logs: 1
Jobs: 2
Converted: 1
Skipped: 1
Failed: 0
Missing logs: 3 expected, 1 given" -- --expect 3 "$work/good=1.log"

expect "an empty log" 0 "Logs: 1
Jobs: 0
Converted: 0
Skipped: 0
Failed: 0" -- "$work/pellin-shard-2.log"

crlf "Success => /shelf/c.chm => /pdf/c.pdf" "Running => /shelf/e.chm => " "garbage" >"$work/odd.log"
expect "unfinished jobs, foreign lines and a file logged twice" 1 "Logs: 2
Jobs: 4
Converted: 2
Skipped: 1
Failed: 0
Not finished or not a run log line: 2
  Running => /shelf/e.chm => 
  garbage
Help files in more than one line (logs of different runs?): 1
  /shelf/c.chm" -- "$work/good=1.log" "$work/odd.log"

expect "a log that cannot be read" 2 "pellin-gather-logs: cannot read $work/none.log" -- "$work/none.log"
expect "no log at all" 2 "usage: pellin-gather-logs [--expect N] LOG..." --
expect "a count that is no number" 2 "usage: pellin-gather-logs [--expect N] LOG..." -- --expect x "$work/odd.log"

[ "$failures" = 0 ] || { echo "$failures case(s) failed"; exit 1; }

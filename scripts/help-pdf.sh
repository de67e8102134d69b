#!/usr/bin/env bash
# Turns the compiled user guide into PDF with the program itself, without a
# window: the same conversion a user gets.
#   help-pdf.sh <pellin> <guide .chm> <output .pdf>
set -euo pipefail
exe=$1; chm=$2; out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in" "$work/out"
cp "$chm" "$work/in/guide.chm"
status=0
"$exe" "-P:Source=$work/in/guide.chm,Target=$work/out,PureConsole=1,LogFile=$work/run.log" || status=$?
if [ "$status" -ne 0 ] || [ ! -s "$work/out/guide.pdf" ]; then
  echo "help-pdf: the guide was not converted (exit code $status)" >&2
  cat "$work/run.log" >&2 2>/dev/null || true
  exit 1
fi
mv "$work/out/guide.pdf" "$out"

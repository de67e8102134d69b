#!/usr/bin/env bash
# Compiles the user guide (docs/help) into a CHM file with chmcmd.
#   build-help.sh <help sources> <screenshots> <pellin-catalogue> <work folder> <output .chm>
# The sources are copied into the work folder with the screenshots under
# images/, the options page is filled in from the option catalogue, and the
# project is compiled. chmcmd exits 0 even when it skipped a listed file, so
# its output is checked as well.
set -euo pipefail
src=$1; shots=$2; catalogue=$3; work=$4; out=$5

rm -rf "$work"
mkdir -p "$work/images"
cp "$src"/*.hhp "$src"/*.hhc "$src"/*.hhk "$src"/*.htm "$src"/*.css "$work/"
cp "$shots"/*.png "$work/images/"
"$catalogue" --html "$src/options.htm.in" "$work/options.htm"

log="$work/chmcmd.log"
if ! (cd "$work" && chmcmd --no-html-scan pellin.hhp) >"$log" 2>&1; then
  cat "$log" >&2
  echo "build-help: chmcmd failed" >&2
  exit 1
fi
if grep -Eiq "can't find|error|warning|exception|does not exist" "$log"; then
  cat "$log" >&2
  echo "build-help: chmcmd complained" >&2
  exit 1
fi
mkdir -p "$(dirname "$out")"
mv "$work/pellin.chm" "$out"

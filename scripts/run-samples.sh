#!/usr/bin/env bash
# Converts every help file under a folder into PDF files, without a window,
# and prints the run log and where the results are.
set -euo pipefail
exe=$1; samples=$(cd "$2" && pwd); out=$3
mkdir -p "$out"
"$exe" "-P:Source=$samples/*.chm,Target=$out,PureConsole=1,LogFile=$out/run.log"
echo "Run log ($out/run.log):"
cat "$out/run.log" 2>/dev/null || echo "(no run log was written)"
echo "PDF files are in $out"

#!/usr/bin/env bash
# Measures the program on a large help file beside calibre and the office's
# own HTML-to-PDF floor, or the program alone over the 1x/2x/4x series.
#
#   bench/large/compare.sh [--limit SECONDS] [--build FOLDER] [--only pellin,calibre,floor]
#                          [--keep] [fixture | file.chm]
#   bench/large/compare.sh --series [--limit SECONDS]
#
# The fixture defaults to large-1x; missing fixtures are built first
# (build-fixture.sh). calibre is installed when missing (bench only).
# bench/large/README.md describes the output.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # the system's, whatever a version manager puts first on PATH

wanted=()
series=0
fixture=large-1x
fixtures=$here/out
previous=""
for word in "$@"; do
  case $previous in
    --fixtures) fixtures=$word ;;
    --build | --limit | --only | --soffice) ;;
    *)
      case $word in
        -h | --help) sed -n '2,12p' "$0"; exit 0 ;;
        --series) series=1 ;;
        -*) ;;
        *) fixture=$word ;;
      esac ;;
  esac
  previous=$word
done

if [ $series -eq 1 ]; then
  wanted=(large-1x large-2x large-4x)
elif [[ $fixture != *.chm ]]; then
  wanted=("$fixture")
fi
for name in "${wanted[@]}"; do
  [ -f "$fixtures/$name.chm" ] || "$here/build-fixture.sh" --out "$fixtures" "$name" >&2
done

if [[ " $* " != *" --only "* || " $* " == *calibre* ]] && [ $series -eq 0 ] &&
  ! command -v calibre-debug >/dev/null; then
  "$here/../install-calibre.sh"
fi

exec "$python" "$here/compare.py" "$@"

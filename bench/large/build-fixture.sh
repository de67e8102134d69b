#!/usr/bin/env bash
# Builds large help files from the Python library reference (Debian package
# python3.11-doc) with chmcmd (fp-utils), for measuring big manuals:
#
#   large-1x    pages in a fixed mixed order up to ~2.5 MB of HTML
#   large-2x    the same order up to ~5 MB (holds every page of large-1x)
#   large-4x    the same order up to ~10 MB
#   large-10mb  64 large pages, ~10 MB of HTML, ~3,300 contents entries
#
#   bench/large/build-fixture.sh [--out FOLDER] [--force] [name...]
#
# Into FOLDER (default bench/large/out, git-ignored) go <name>.chm and the
# project folder <name>/ with the pages, the .hhp/.hhc/.hhk and
# <name>/library/joined.html (all pages in one file, for the office's own
# HTML-to-PDF floor).  A help file already built from the current generator is
# kept unless --force is given.  Prints one line per file: name, pages, HTML
# bytes, contents entries, index entries, CHM bytes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$here/out
force=0
names=()
while [ $# -gt 0 ]; do
  case $1 in
    --out) out=$2; shift 2 ;;
    --force) force=1; shift ;;
    -h|--help) sed -n '2,18p' "$0"; exit 0 ;;
    -*) echo "build-fixture: unknown option $1" >&2; exit 2 ;;
    *) names+=("$1"); shift ;;
  esac
done
[ ${#names[@]} -gt 0 ] || names=(large-1x large-2x large-4x large-10mb)

docs=/usr/share/doc/python3.11/html
python=/usr/bin/python3  # the system's, whatever a version manager puts first on PATH

# Bench-only tools: installed here, not part of the program's package list.
need_package() {
  local command=$1 package=$2
  [ -e "$command" ] && return 0
  echo "build-fixture: installing $package" >&2
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -q "$package" >/dev/null ||
    { $sudo apt-get update -q >/dev/null && $sudo apt-get install -y -q "$package" >/dev/null; }
}
need_package "$docs/library/os.html" python3.11-doc
need_package /usr/bin/chmcmd fp-utils
need_package /usr/bin/enum_chmLib libchm-bin
need_package "$python" python3

# Each fixture: its name and the page choice handed to make_project.py.
choice_of() {
  case $1 in
    large-1x) echo "--bytes 2500000" ;;
    large-2x) echo "--bytes 5000000" ;;
    large-4x) echo "--bytes 10000000" ;;
    large-10mb) echo "--largest 64 --bytes 10000000" ;;
    *) return 1 ;;
  esac
}

# chmcmd exits 0 even when it skipped a listed file, so its output is checked.
compile() {
  local name=$1 log=$out/$1/chmcmd.log
  rm -f "$out/$name/$name.chm"
  (cd "$out/$name" && chmcmd --no-html-scan "$name.hhp") >"$log" 2>&1
  if grep -Eiq "can't find|error|warning|exception|does not exist" "$log"; then
    cat "$log" >&2
    echo "build-fixture: chmcmd complained about $name" >&2
    exit 1
  fi
  mv "$out/$name/$name.chm" "$out/$name.chm"
  "$python" "$here/fix_chm_listing.py" "$out/$name.chm" >&2
}

# Every file of the project must be listed where chmlib's readers look.
verify() {
  local name=$1 listed wanted
  listed=$(enum_chmLib "$out/$name.chm" | grep -Ec 'normal file[[:space:]]+/(library|_static|_images)/')
  wanted=$(grep -Ec '^(library|_static|_images)/' "$out/$name/$name.hhp")
  if [ "$listed" -ne "$wanted" ]; then
    echo "build-fixture: $name.chm lists $listed of its $wanted files" >&2
    exit 1
  fi
}

mkdir -p "$out"
for name in "${names[@]}"; do
  choice=$(choice_of "$name") || { echo "build-fixture: no fixture named $name" >&2; exit 2; }
  summary=$out/$name.txt
  if [ $force -eq 0 ] && [ -f "$out/$name.chm" ] && [ -f "$summary" ] &&
    [ "$out/$name.chm" -nt "$here/make_project.py" ] && [ "$out/$name.chm" -nt "$0" ] &&
    [ "$out/$name.chm" -nt "$here/fix_chm_listing.py" ]; then
    cat "$summary"
    continue
  fi
  # shellcheck disable=SC2086  # the choice is several words on purpose
  line=$("$python" "$here/make_project.py" --docs "$docs" --out "$out" --name "$name" $choice)
  compile "$name"
  verify "$name"
  echo "$line $(stat -c %s "$out/$name.chm")" | tee "$summary"
done

#!/usr/bin/env bash
# What the book's pictures cost the office. Writes the book of one help file
# (the decompiler and the page reader of the build), then has the office load
# and export four forms of it: as written, without its pictures, and each of
# those joined to itself (twice the pages). Prints the office's processor
# time and the pages of each. Every picture is an object of the office's
# drawing layer, which its export walks in full for every page: when the
# pictures' share grows about four times with twice the book, their cost goes
# with pages times pictures, not with the pictures alone.
#
#   bench/office/picture-cost.sh [build-folder] file.chm
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
[ $# -eq 2 ] || { echo "usage: $0 build-folder file.chm" >&2; exit 1; }
build=$1
chm=$2
source "$here/bench/office/common.sh"
prepare_work
"$build/bin/pellin-hh" -decompile "$work/chm" "$chm" > /dev/null 2>&1
"$build/bin/pellin-reader" "$work/chm" book.html 0 1000 - > "$work/reader.out" || exit 1
python3 - "$work/chm/book.html" "$work" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
start, end = text.index("<body>") + len("<body>"), text.rindex("</body>")
bare = re.sub(r"<img\b[^>]*>", "", text)
bare_end = bare.rindex("</body>")
forms = {"as-written": text, "no-pictures": bare,
         "twice": text[:end] + text[start:end] + text[end:],
         "twice-no-pictures": bare[:bare_end] + bare[start:bare_end] + bare[bare_end:]}
for name, html in forms.items():
    open(f"{sys.argv[2]}/{name}.html", "w", encoding="utf-8").write(html)
print("pictures:", len(re.findall(r"<img\b", text)))
PY
office=$(dirname "$(readlink -f "$(command -v soffice)")")/soffice.bin
profile="file://$work/profile"
"$office" -env:UserInstallation="$profile" --headless --terminate_after_init > /dev/null 2>&1
for name in as-written no-pictures twice twice-no-pictures; do
  mkdir -p "$work/out-$name"
  /usr/bin/time -f "%U %S" -o "$work/time-$name" "$office" -env:UserInstallation="$profile" \
    --headless --invisible --nologo --norestore --nodefault --nolockcheck \
    --infilter="HTML (StarWriter)" --convert-to pdf:writer_pdf_Export \
    --outdir "$work/out-$name" "$work/$name.html" > /dev/null 2>&1
  pages=$(pdfinfo "$work/out-$name/$name.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
  awk -v n="$name" -v p="${pages:-?}" '{printf "%-18s office %6.1f s, %s pages\n", n, $1 + $2, p}' \
    "$work/time-$name"
done

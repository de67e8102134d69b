#!/usr/bin/env bash
# Builds the libFuzzer targets of pellin-hh and of the converter's text readers
# with clang (ASan + UBSan) and runs each for a short while:
#   fuzz-entry-names  arbitrary entry names and contents through the real
#                     extraction; any finding fails the run.
#   fuzz-help-text    arbitrary bytes through the converter's readers of the
#                     "#SYSTEM" entry and of contents files; any finding
#                     fails the run.
#   fuzz-book         a topic page, its style sheet, a MIME HTML page, a
#                     contents file, an SVG and a raster picture through the book
#                     builder, seeded with pages of the sample help files;
#                     any finding fails the run.
#   fuzz-chm-reader   arbitrary bytes through chmlib and the extraction.
#                     chmlib 0.40 crashes on some inputs by itself, so crashes
#                     are collected, not fatal; each one is then replayed
#                     through pellin-hh, which must end with a documented exit
#                     code and write nothing beside its folder.
# Inputs that make pellin-hh fail are kept in build-fuzz/ of the work tree.
# usage: tools/fuzz/run-fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-60}"
kept="$root/build-fuzz"
command -v clang++ >/dev/null || { echo "run-fuzz: clang++ is missing (package clang)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work"

hh="$root/tools/pellin-hh"
mapfile -t library < <(ls "$hh"/*.cpp | grep -v '/main\.cpp$')
library+=("$root/src/platform/text/TextEncoding.cpp" "$root/src/platform/text/AsciiText.cpp")
sanitizers=(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
common=(-std=c++20 -O1 -g -I"$hh" -I"$root/src")

echo "run-fuzz: building with clang++"
clang++ "${common[@]}" "${sanitizers[@]}" -fsanitize=fuzzer "${library[@]}" \
  "$root/tools/fuzz/FuzzEntryNames.cpp" -lchm -o "$work/fuzz-entry-names"
clang++ "${common[@]}" "${sanitizers[@]}" -fsanitize=fuzzer "${library[@]}" \
  "$root/tools/fuzz/FuzzChmReader.cpp" -lchm -o "$work/fuzz-chm-reader"
clang++ "${common[@]}" "${sanitizers[@]}" "${library[@]}" "$hh/main.cpp" -lchm -o "$work/pellin-hh"
readers=()
for name in ContentsTreeReader DecompiledFiles HelpLanguage HelpSystemFile HelpTreeSearch HtmlEntities \
  HtmlValueText SitemapTags TopicLinkReader TopicList TopicPathResolver; do
  readers+=("$root/src/convert/chm/$name.cpp")
done
clang++ "${common[@]}" "${sanitizers[@]}" -fsanitize=fuzzer "${readers[@]}" \
  "$root/src/platform/text/TextEncoding.cpp" "$root/src/platform/text/TextReplace.cpp" \
  "$root/src/platform/text/AsciiText.cpp" \
  "$root/tools/fuzz/FuzzHelpText.cpp" -o "$work/fuzz-help-text"
book=("${readers[@]}" "$root"/src/convert/book/*.cpp "$root/src/platform/text/MarkupEscape.cpp"
  "$root/src/platform/files/FileWrite.cpp")
clang++ "${common[@]}" "${sanitizers[@]}" -fsanitize=fuzzer $(pkg-config --cflags libxml-2.0) \
  -DLITEHTML_UTF8 -isystem /usr/include/litehtml \
  "${book[@]}" "$root/src/platform/text/TextEncoding.cpp" "$root/src/platform/text/TextReplace.cpp" \
  "$root/src/platform/text/AsciiText.cpp" "$root/tools/fuzz/FuzzBook.cpp" \
  $(pkg-config --libs libxml-2.0) -llitehtml -o "$work/fuzz-book"

mkdir -p "$work/names" "$work/chm" "$work/found"
printf '/index.htm\0<html>\0/sub/\0\0/sub/a.htm\0a' >"$work/names/plain"
printf '/../up.htm\0x\0/sub/../../up2.htm\0y\0//abs.htm\0z' >"$work/names/escape"
cp "$root"/tests/fixtures/*.chm "$work/chm/"
for kind in real malformed hostile; do
  if [ -d "$root/../shared/chm/$kind" ]; then
    find "$root/../shared/chm/$kind" -name '*.chm' -size -200k -exec cp {} "$work/chm/" \;
  fi
done

echo "run-fuzz: entry names for ${seconds}s"
"$work/fuzz-entry-names" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/found/names-" "$work/names" >"$work/names.log" 2>&1 || {
  tail -n 60 "$work/names.log" >&2
  mkdir -p "$kept" && cp "$work"/found/names-* "$kept/" 2>/dev/null || true
  echo "run-fuzz: FAILED: the entry-name target found a fault (input kept in $kept)" >&2
  exit 1
}
grep -E '^(Done|#[0-9]+ +DONE)' "$work/names.log" | tail -n 1 || true

echo "run-fuzz: help text readers for ${seconds}s"
mkdir -p "$work/text"
printf '\x03\x00\x00\x00\x03\x00\x05\x00Help\x00\x04\x00\x04\x00\x19\x04\x00\x00' >"$work/text/system"
printf '<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="&Acirc;x"><param name="Local" value="../a.htm#x"></OBJECT><UL><LI><object type=text/sitemap><param name=local value=b.htm></object></UL></UL>' >"$work/text/toc"
for contents in "$root"/tests/fixtures/*/*.hhc; do
  cp "$contents" "$work/text/$(basename "$(dirname "$contents")").hhc"
done
"$work/fuzz-help-text" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/found/text-" "$work/text" >"$work/text.log" 2>&1 || {
  tail -n 60 "$work/text.log" >&2
  mkdir -p "$kept" && cp "$work"/found/text-* "$kept/" 2>/dev/null || true
  echo "run-fuzz: FAILED: the help text target found a fault (input kept in $kept)" >&2
  exit 1
}
grep -E '^(Done|#[0-9]+ +DONE)' "$work/text.log" | tail -n 1 || true

echo "run-fuzz: book builder for ${seconds}s"
# Seeds: each page of a few sample help files with the first style sheet,
# MIME HTML page, contents file, SVG picture and PNG or JPEG picture of its help file.
mkdir -p "$work/book" "$work/pages"
book_seed() {  # page sheet mht hhc svg picture -> one input
  local first=1 file
  for file in "$@"; do
    [ "$first" = 1 ] || printf '\n%%%%PART%%%%\n'
    first=0
    if [ -n "$file" ]; then head -c 65536 "$file"; fi
  done
}
find_first() { find "$1" -type f -iname "$2" -size -64k -print -quit; }
seeded=0
for chm in "$root"/tests/fixtures/*.chm "$root"/../shared/chm/{real,wild,hostile}/*.chm; do
  [ -f "$chm" ] && [ "$(stat -c %s "$chm")" -lt 2000000 ] || continue
  pages="$work/pages/$seeded"
  "$work/pellin-hh" -timeout=20 -decompile "$pages" "$chm" >/dev/null 2>&1 || continue
  sheet="$(find_first "$pages" '*.css')" mht="$(find_first "$pages" '*.mht')"
  hhc="$(find_first "$pages" '*.hhc')" svg="$(find_first "$pages" '*.svg')"
  picture="$(find_first "$pages" '*.png')"
  [ -n "$picture" ] || picture="$(find_first "$pages" '*.jp*g')"
  count=0
  while IFS= read -r -d '' page && [ "$count" -lt 3 ]; do
    book_seed "$page" "$sheet" "$mht" "$hhc" "$svg" "$picture" >"$work/book/$seeded-$count"
    count=$((count + 1))
  done < <(find "$pages" -type f \( -iname '*.htm' -o -iname '*.html' \) -size -64k -print0)
  seeded=$((seeded + 1))
done
rm -rf "$work/pages"
"$work/fuzz-book" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -dict="$root/tools/fuzz/html-css.dict" -artifact_prefix="$work/found/book-" \
  "$work/book" >"$work/book.log" 2>&1 || {
  tail -n 60 "$work/book.log" >&2
  mkdir -p "$kept" && cp "$work"/found/book-* "$kept/" 2>/dev/null || true
  echo "run-fuzz: FAILED: the book target found a fault (input kept in $kept)" >&2
  exit 1
}
grep -E '^(Done|#[0-9]+ +DONE)' "$work/book.log" | tail -n 1 || true

echo "run-fuzz: CHM reader for ${seconds}s (chmlib crashes are collected)"
"$work/fuzz-chm-reader" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/found/chm-" "$work/chm" >"$work/chm.log" 2>&1 || true
grep -E 'DONE|INFO: fuzzed for' "$work/chm.log" | tail -n 2 || true

failures=0
replayed=0
for input in "$work"/found/chm-*; do
  [ -e "$input" ] || continue
  replayed=$((replayed + 1))
  rm -rf "$work/replay" && mkdir -p "$work/replay"
  status=0
  "$work/pellin-hh" -timeout=20 -decompile "$work/replay/out" "$input" >/dev/null 2>"$work/replay.err" || status=$?
  beside="$(find "$work/replay" -mindepth 1 -maxdepth 1 ! -name out | wc -l)"
  if [ "$status" -ne 0 ] && [ "$status" -ne 2 ] && [ "$status" -ne 3 ] || [ "$beside" -ne 0 ]; then
    echo "run-fuzz: pellin-hh ended with $status on $(basename "$input") ($beside files beside the folder)" >&2
    cat "$work/replay.err" >&2
    mkdir -p "$kept" && cp "$input" "$kept/"
    failures=$((failures + 1))
  fi
done
echo "run-fuzz: replayed $replayed crashing inputs through pellin-hh, $failures failures"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Checks the Debian package as a user gets it: installs it with apt-get, looks
# at what it put where, converts a bundled sample as the unprivileged user
# nobody (no writable home, no desktop) and checks the PDF. The package is
# removed again at the end, so the machine stays as it was (KEEP_PACKAGE=1
# leaves it installed).
#   check-package.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
app_id=example.pellin.convertor

fail() { echo "check-package: $*" >&2; exit 1; }

deb=$(ls -t "$build"/pellin_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] || fail "no package in $build (run make package)"
echo "check-package: $deb"

# What the package says of itself.
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libreoffice-writer-nogui fonts-dejavu-core fonts-wqy-zenhei xdg-utils libqt6core6 libchm1; do
  grep -q "$wanted" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
dpkg-deb -f "$deb" Recommends | grep -q cups-client || fail "Recommends lacks cups-client"

export DEBIAN_FRONTEND=noninteractive
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
cleanup() {
  [ "${KEEP_PACKAGE:-0}" = 1 ] || $SUDO apt-get remove -y -q pellin >/dev/null || true
  [ -n "${work:-}" ] && rm -rf "$work"
}
trap cleanup EXIT
$SUDO apt-get install -y -q "$deb" >/dev/null

# The files where the program and the desktop look for them.
for file in /usr/bin/pellin /usr/lib/pellin/pellin-hh /usr/lib/pellin/pellin-reader \
            /usr/share/pellin/pellin.chm \
            /usr/share/pellin/pellin.pdf /usr/share/applications/$app_id.desktop \
            /usr/share/metainfo/$app_id.metainfo.xml /usr/share/man/man1/pellin.1.gz \
            /usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            /usr/share/pellin/translations/pellin_de.qm \
            /usr/share/pellin/translations/pellin_zh_CN.qm; do
  [ -s "$file" ] || fail "missing: $file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ] || fail "missing icon $size"
done
[ ! -e /usr/bin/pellin-hh ] || fail "the decompiler lies on the PATH"
[ ! -e /usr/bin/pellin-reader ] || fail "the page reader lies on the PATH"
desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
pdfinfo /usr/share/pellin/pellin.pdf >/dev/null || fail "the installed guide is no PDF"

# Every shared library is found, the office's own ones through the run path,
# and the office the program was built for is the one installed.
if ldd /usr/bin/pellin | grep -q "not found"; then ldd /usr/bin/pellin; fail "unresolved libraries"; fi
# The program names the office's folder compiled in (PELLIN_OFFICE_PROGRAM_DIR)
# when it boots the UNO runtime from its fundamentalrc.
office=$(grep -a -o 'vnd\.sun\.star\.pathname:/[[:alnum:]/._-]*/fundamentalrc' /usr/bin/pellin |
  head -n 1 | sed 's/^vnd\.sun\.star\.pathname://; s:/fundamentalrc$::' || true)
[ -n "$office" ] || fail "no office program folder in /usr/bin/pellin"
[ -x "$office/soffice" ] && [ -f "$office/fundamentalrc" ] ||
  fail "the office the program was built for ($office) is not installed"
readelf -d /usr/bin/pellin | grep -q "RUNPATH.*$office" || fail "the run path misses $office"
echo "check-package: office $office"

# A conversion as nobody: a home that does not exist, no desktop, a target
# only that user may write.
work=$(mktemp -d /tmp/pellin-check.XXXXXX)
chmod 755 "$work"
mkdir "$work/in" "$work/out"
cp "$here/samples/wkhtmltox-au3-help.chm" "$work/in/"
chmod -R a+rX "$work/in"
chown nobody "$work/out"
chmod 700 "$work/out"
status=0
(cd / && runuser -u nobody -- env -u DISPLAY -u WAYLAND_DISPLAY \
  pellin "-P:Source=$work/in/*.chm,Target=$work/out,PureConsole=1") || status=$?
[ "$status" -eq 0 ] || fail "the conversion as nobody ended with exit code $status"
pdf="$work/out/wkhtmltox-au3-help.pdf"
[ -s "$pdf" ] || fail "no PDF came out: $(ls -la "$work/out")"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[ "${pages:-0}" -ge 1 ] || fail "the PDF has no pages"
echo "check-package: nobody converted the sample into $pages pages; exit code 0"
echo "check-package: passed"

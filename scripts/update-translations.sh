#!/usr/bin/env bash
# Brings the window's catalogues (translations/pellin_<language>.ts) up to
# date with the sources: new texts are added as unfinished, texts no longer
# used are dropped, translations already made are kept. Translate the
# unfinished entries (Qt Linguist, or by hand), then build: the catalogues
# are compiled beside the program and the ui tests check them.
#   scripts/update-translations.sh [language...]   (all catalogues when none)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(de fr es pt_BR ru zh_CN ja)
catalogues=()
for language in "${languages[@]}"; do
  catalogues+=("$here/translations/pellin_$language.ts")
done
# The same inputs as the build's template (src/ui/CMakeLists.txt).
"$lupdate" -locations none -no-obsolete -I "$here/src" "$here"/src/ui/*.cpp "$here"/src/ui/*.h \
  "$here/src/core/OptionCatalog.cpp" -ts "${catalogues[@]}"

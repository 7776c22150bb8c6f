#!/usr/bin/env bash
# lupdate run over the sources changes no .ts file: every text a player reads
# or hears is in each language as it stands in the code, and no translation
# is left of a text the code no longer has. The options are those of
# qt_add_translations in src/CMakeLists.txt.
# Usage: translations_current.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"
"$lupdate" -no-obsolete -locations none "$root/src" -ts "$work"/*.ts >/dev/null
diff -ru "$root/translations" "$work"

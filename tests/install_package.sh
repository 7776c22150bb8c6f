#!/usr/bin/env bash
# Builds the .deb, has lintian check it as Debian would, unpacks it into a
# temporary root, checks what a desktop expects of it and that its manual page
# formats, and starts the installed program to open its help page.
# Usage: install_package.sh BUILD_DIR HELP_PROBE_MODULE
set -euo pipefail
build=$1
probe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/quorvane_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends | tee "$work/depends"
grep -q 'libqt6widgets6' "$work/depends" || { echo "Qt is missing from Depends"; exit 1; }

# Any error or warning fails; informational tags are shown only.
lintian --display-info "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -qE '^[EW]: ' "$work/lintian.log"; then echo "lintian reports errors or warnings"; exit 1; fi
echo "lintian: no error, no warning"

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/lib/games/quorvane/quorvane usr/lib/games/quorvane/quorvane.htm usr/lib/games/quorvane/quorvane.{de,fr,es}.htm usr/games/quorvane \
         usr/share/man/man6/quorvane.6.gz usr/share/doc/quorvane/copyright usr/share/doc/quorvane/changelog.gz \
         usr/share/applications/net.quorvane.Quorvane.desktop \
         usr/share/metainfo/net.quorvane.Quorvane.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/net.quorvane.Quorvane.png \
         usr/share/icons/hicolor/256x256/apps/net.quorvane.Quorvane.png; do
    [[ -e $root/$f ]] || { echo "missing from the package: $f"; exit 1; }
done
[[ $(readlink "$root/usr/games/quorvane") == ../lib/games/quorvane/quorvane ]] || { echo "games/quorvane is not the program link"; exit 1; }

# The manual page formats without a warning and names itself for whatis.
page=$root/usr/share/man/man6/quorvane.6.gz
man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/man.err" >/dev/null
[[ ! -s $work/man.err ]] || { cat "$work/man.err"; echo "the manual page formats with warnings"; exit 1; }
lexgrog "$page" | grep -q 'quorvane - ' || { echo "lexgrog finds no NAME section"; exit 1; }
MANWIDTH=80 man -l "$page" >"$work/man.txt"
grep -q 'QT_SCALE_FACTOR' "$work/man.txt" || { echo "the manual page does not show"; exit 1; }
echo "manual page formats: $(lexgrog "$page" | cut -d: -f2-)"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/net.quorvane.Quorvane.desktop"
    echo "desktop entry valid"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/net.quorvane.Quorvane.metainfo.xml"
fi

# Started through the link on the PATH, as a desktop would, in English and
# in each language: the help page is the one of that language.
for run in C:quorvane.htm de_DE.UTF-8:quorvane.de.htm fr_FR.UTF-8:quorvane.fr.htm es_ES.UTF-8:quorvane.es.htm; do
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="${run%%:*}" LD_PRELOAD="$probe" QT_QPA_PLATFORM=offscreen \
        timeout 60 "$root/usr/games/quorvane" | tee "$work/probe.log"
    grep -q "board shown: yes" "$work/probe.log"
    grep -q "help page found: yes (file://$root/usr/lib/games/quorvane/${run#*:})" "$work/probe.log"
done

#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root, checks what a desktop
# expects of it, and starts the installed program to open its help page.
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

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/lib/quorvane/quorvane usr/lib/quorvane/quorvane.htm usr/lib/quorvane/quorvane.{de,fr,es}.htm usr/bin/quorvane \
         usr/share/applications/net.quorvane.Quorvane.desktop \
         usr/share/metainfo/net.quorvane.Quorvane.metainfo.xml \
         usr/share/icons/hicolor/16x16/apps/net.quorvane.Quorvane.png \
         usr/share/icons/hicolor/256x256/apps/net.quorvane.Quorvane.png; do
    [[ -e $root/$f ]] || { echo "missing from the package: $f"; exit 1; }
done
[[ $(readlink "$root/usr/bin/quorvane") == ../lib/quorvane/quorvane ]] || { echo "bin/quorvane is not the program link"; exit 1; }

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
        timeout 60 "$root/usr/bin/quorvane" | tee "$work/probe.log"
    grep -q "board shown: yes" "$work/probe.log"
    grep -q "help page found: yes (file://$root/usr/lib/quorvane/${run#*:})" "$work/probe.log"
done

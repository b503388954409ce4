#!/bin/sh
# cpack -G DEB: the package holds the programs and the desktop files, names
# its Qt dependencies, passes lintian without an error, and apt-get would
# install it here.
#   paquet.sh <build folder>
set -eu
cd "$1"
rm -f kalder_*.deb
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
paquet=$(ls kalder_*.deb)
echo "paquet : $paquet"
dpkg-deb -c "$paquet" | tee contenu-paquet.txt
for f in ./usr/bin/kalder ./usr/bin/kalder-theme ./usr/libexec/kalder/kalder-dossier \
         ./usr/libexec/kalder/kalder-clients ./usr/libexec/kalder/libkalder-signets.so \
         ./usr/share/applications/fr.kalder.Kalder.desktop \
         ./usr/share/metainfo/fr.kalder.Kalder.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/fr.kalder.Kalder.svg \
         ./usr/share/man/man1/kalder.1.gz ./usr/share/man/man1/kalder-theme.1.gz; do
    grep -q " $f\$" contenu-paquet.txt || { echo "absent du paquet : $f"; exit 1; }
done
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Depends: $dependances"
for d in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libsqlite3-0 libqpdf; do
    echo "$dependances" | grep -q "$d" || { echo "dépendance manquante : $d"; exit 1; }
done
# Every installed program finds its libraries once the package is installed:
# each package dpkg-shlibdeps finds for one of them is in Depends.
deplie=$(mktemp -d "${TMPDIR:-/tmp}/kalder-paquet.XXXXXX")
trap 'rm -rf "$deplie"' EXIT
dpkg-deb -x "$paquet" "$deplie/racine"
mkdir "$deplie/debian"
touch "$deplie/debian/control"
noms_depends=$(echo "$dependances" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | sort -u)
for programme in usr/bin/kalder usr/bin/kalder-theme usr/libexec/kalder/kalder-dossier \
                 usr/libexec/kalder/kalder-clients; do
    bibliotheques=$(cd "$deplie" && dpkg-shlibdeps -O "racine/$programme" 2> /dev/null |
        sed 's/^shlibs:Depends=//' | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | sort -u)
    [ -n "$bibliotheques" ] || { echo "dpkg-shlibdeps ne dit rien de $programme"; exit 1; }
    for b in $bibliotheques; do
        echo "$noms_depends" | grep -qxF "$b" ||
            { echo "$programme a besoin du paquet $b, absent de Depends"; exit 1; }
    done
    echo "$programme : $(echo $bibliotheques)"
done
# Warnings and notes are shown; an error fails.
command -v lintian > /dev/null || { echo "lintian absent (scripts/installer_dependances.sh tests)"; exit 1; }
lintian --fail-on error "$paquet" > lintian.log 2>&1 || { echo "lintian :"; cat lintian.log; exit 1; }
cat lintian.log
apt-get install --simulate "./$paquet" > apt-simulation.log 2>&1 ||
    { cat apt-simulation.log; exit 1; }
echo "apt-get install ./$paquet : possible"

#!/bin/sh
# cpack -G DEB: the package holds the programs and the desktop files, names
# its Qt dependencies, and apt-get would install it here.
#   paquet.sh <build folder>
set -eu
cd "$1"
rm -f kalder_*.deb
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
paquet=$(ls kalder_*.deb)
echo "paquet : $paquet"
dpkg-deb -c "$paquet" | tee contenu-paquet.txt
for f in ./usr/bin/kalder ./usr/bin/kalder-theme ./usr/libexec/kalder/kalder-dossier \
         ./usr/share/applications/fr.kalder.Kalder.desktop \
         ./usr/share/metainfo/fr.kalder.Kalder.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/fr.kalder.Kalder.svg \
         ./usr/share/man/man1/kalder.1 ./usr/share/man/man1/kalder-theme.1; do
    grep -q " $f\$" contenu-paquet.txt || { echo "absent du paquet : $f"; exit 1; }
done
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Depends: $dependances"
for d in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
    echo "$dependances" | grep -q "$d" || { echo "dépendance manquante : $d"; exit 1; }
done
apt-get install --simulate "./$paquet" > apt-simulation.log 2>&1 ||
    { cat apt-simulation.log; exit 1; }
echo "apt-get install ./$paquet : possible"

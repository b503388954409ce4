#!/bin/sh
# cmake --install into a fresh temporary prefix: every file a desktop needs is
# there, and the installed kalder-theme computes the worked example.
#   prefixe.sh <build folder>
set -eu
construction=$1
prefixe=$(mktemp -d "${TMPDIR:-/tmp}/kalder-prefixe.XXXXXX")
trap 'rm -rf "$prefixe"' EXIT

cmake --install "$construction" --prefix "$prefixe" > /dev/null
for f in bin/kalder bin/kalder-theme libexec/kalder/kalder-dossier libexec/kalder/kalder-clients \
         libexec/kalder/libkalder-signets.so \
         share/applications/fr.kalder.Kalder.desktop \
         share/metainfo/fr.kalder.Kalder.metainfo.xml \
         share/icons/hicolor/scalable/apps/fr.kalder.Kalder.svg \
         share/icons/hicolor/48x48/apps/fr.kalder.Kalder.png \
         share/icons/hicolor/256x256/apps/fr.kalder.Kalder.png \
         share/man/man1/kalder.1.gz share/man/man1/kalder-theme.1.gz; do
    [ -e "$prefixe/$f" ] || { echo "absent après installation : $f"; exit 1; }
done
# The installed programs do not lean on the build tree.
env -i HOME="$prefixe" PATH=/usr/bin:/bin "$prefixe/bin/kalder-theme" \
    --prenom Anne-Marie --nom Dupont --jour 15 --mois 7 --annee 1975 --annee-courante 2026
# Its --pdf goes through the installed kalder-dossier.
env -i HOME="$prefixe" PATH=/usr/bin:/bin "$prefixe/bin/kalder-theme" \
    --prenom Anne-Marie --nom Dupont --jour 15 --mois 7 --annee 1975 --annee-courante 2026 \
    --pdf "$prefixe/dossier.pdf"
head -c 5 "$prefixe/dossier.pdf"
echo
# Its client file through the installed kalder-clients, in the usual data folder.
env -i HOME="$prefixe" PATH=/usr/bin:/bin "$prefixe/bin/kalder-theme" \
    --sauvegarder --prenom Anne-Marie --nom Dupont > /dev/null
env -i HOME="$prefixe" PATH=/usr/bin:/bin "$prefixe/bin/kalder-theme" \
    --note Rappel --prenom Anne-Marie --nom Dupont > /dev/null
[ -f "$prefixe/.local/share/Kalder/Kalder.sqlite" ] && echo "fichier des clients"

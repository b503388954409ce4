#!/bin/sh
# Started through PATH from another folder, with neither HOME nor
# XDG_DATA_HOME: the data folder is the one beside the program, whatever the
# working folder. Usage: dossier_programme.sh kalder-theme dossier
exe=$1
dossier=$2
rm -rf "$dossier"
mkdir -p "$dossier/bin" "$dossier/ailleurs"
cp "$exe" "$dossier/bin/kalder-theme"
(cd "$dossier/ailleurs" && env -i PATH="$dossier/bin:/usr/bin:/bin" kalder-theme --sauvegarder \
    --prenom Luc --nom Roy >/dev/null)
echo "statut-$?"
test -f "$dossier/bin/Kalder/Kalderrep.txt" && echo "a-cote-du-programme"
test -e "$dossier/ailleurs/Kalder" || echo "rien-dans-le-dossier-courant"
rm -rf "$dossier"

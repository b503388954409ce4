#!/bin/sh
# The disk fills while the dossier is written: said as a full disk, status 74,
# and no file left. Usage: dossier_disque_plein.sh kalder-theme disque.so dossier
exe=$1
cale=$2
dossier=$3
rm -rf "$dossier"
mkdir -p "$dossier"
KALDER_ESSAI_DISQUE_PLEIN=dossier.pdf LD_PRELOAD="$cale" "$exe" --prenom Anne --nom Dupont \
    --jour 15 --mois 7 --annee 1975 --pdf "$dossier/dossier.pdf" 2>&1
echo "statut-$?"
echo "fichiers-$(ls -A "$dossier" | wc -l)"
rm -rf "$dossier"

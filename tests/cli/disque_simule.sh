#!/bin/sh
# A data folder made by a save: each new folder's parent is synced, so that
# the new name survives a power cut. Then a save whose folder cannot be
# synced: an error, not a success; and a data folder that cannot be made on a
# read-only disk, named as such, from --dossier and from XDG_DATA_HOME.
# Usage: disque_simule.sh kalder-theme disque.so dossier
exe=$1
cale=$2
dossier=$3
rm -rf "$dossier"
mkdir -p "$dossier"
journal="$dossier/synchros"
KALDER_ESSAI_SYNCHRO="$journal" LD_PRELOAD="$cale" "$exe" --dossier "$dossier/neuf/donnees" \
    --sauvegarder --prenom Luc --nom Roy >/dev/null 2>&1
echo "sauvegarde-$?"
grep -qx "$dossier" "$journal" && echo "parent-synchronise"
grep -qx "$dossier/neuf" "$journal" && echo "neuf-synchronise"
KALDER_ESSAI_SYNCHRO_ECHEC=1 LD_PRELOAD="$cale" "$exe" --dossier "$dossier/neuf/donnees" \
    --sauvegarder --prenom Paul --nom Martin 2>&1
echo "echec-$?"
KALDER_ESSAI_LECTURE_SEULE=1 LD_PRELOAD="$cale" "$exe" --dossier "$dossier/ailleurs/donnees" \
    --sauvegarder --prenom Paul --nom Martin 2>&1
echo "lecture-seule-$?"
# The same from XDG_DATA_HOME: said as such, no other folder tried.
env -i PATH=/usr/bin:/bin KALDER_ESSAI_LECTURE_SEULE=1 LD_PRELOAD="$cale" \
    XDG_DATA_HOME="$dossier/xdg" HOME="$dossier" "$exe" --sauvegarder --prenom Paul --nom Martin 2>&1
echo "xdg-lecture-seule-$?"
rm -rf "$dossier"

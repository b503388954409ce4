#!/bin/sh
# Starts N saves of N different persons at the same moment into one fresh
# directory, then lists it: every person must be there, every save must have
# succeeded. Usage: concurrence.sh kalder-theme dossier N
exe=$1
dossier=$2
n=$3
rm -rf "$dossier"
mkdir -p "$dossier/donnees" "$dossier/sorties"
i=0
pids=""
while [ "$i" -lt "$n" ]; do
    "$exe" --dossier "$dossier/donnees" --sauvegarder --prenom "P$i" --nom Concurrent \
        --jour 1 --mois 1 --annee 2000 >"$dossier/sorties/$i" 2>&1 &
    pids="$pids $!"
    i=$((i + 1))
done
echecs=0
for p in $pids; do
    wait "$p" || echecs=$((echecs + 1))
done
"$exe" --dossier "$dossier/donnees" --liste >"$dossier/sorties/liste" 2>&1
personnes=$(grep -c '^Concurrent;P[0-9]*;1;1;2000$' "$dossier/sorties/liste")
differentes=$(sort -u "$dossier/sorties/liste" | grep -c '^Concurrent;')
echo "echecs-$echecs personnes-$personnes differentes-$differentes"
cat "$dossier"/sorties/[0-9]* | grep -v ' enregistrées\? dans ' | head -5

#!/bin/sh
# A directory of a million persons (about 38 MB), saved into and listed by a
# process whose address space may hold three times the file (plus the
# program itself); then saved into with far too little memory: an "Erreur",
# and the file as it was. Usage: memoire.sh kalder-theme dossier
exe=$1
dossier=$2
rm -rf "$dossier"
mkdir -p "$dossier/donnees"
fichier="$dossier/donnees/Kalderrep.txt"
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "\"Nom\",\"Prenom %d\",\"1\",\"2\",\"1990\"\r\n", i }' >"$fichier"
taille=$(wc -c <"$fichier")
# The program's own address space (its code and libraries), measured as the
# smallest limit, to 2 MB, under which it computes a theme.
bas=4096
haut=1048576
while [ $((haut - bas)) -gt 2048 ]; do
    milieu=$(((bas + haut) / 2))
    if (ulimit -v "$milieu" && "$exe" --prenom A --nom B >/dev/null 2>&1); then
        haut=$milieu
    else
        bas=$milieu
    fi
done
programme=$((haut + 8192))
limite=$((3 * taille / 1024 + programme))
(
    ulimit -v "$limite"
    "$exe" --dossier "$dossier/donnees" --sauvegarder --remplacer oui --prenom "Prenom 500000" \
        --nom Nom --jour 9 >"$dossier/sauvegarde" 2>&1
)
echo "sauvegarde-$? remplacee-$(grep -c '"Nom","Prenom 500000","9"' "$fichier")"
(
    ulimit -v "$limite"
    "$exe" --dossier "$dossier/donnees" --liste >"$dossier/liste" 2>&1
)
echo "liste-$? lignes-$(grep -c '^Nom;Prenom' "$dossier/liste")"
cp "$fichier" "$dossier/avant"
(
    ulimit -v $((taille / 2048 + programme))
    "$exe" --dossier "$dossier/donnees" --sauvegarder --remplacer oui --prenom "Prenom 500000" \
        --nom Nom --jour 5 2>&1
)
echo "petite-$?"
cmp -s "$dossier/avant" "$fichier" && echo "fichier-intact"
# Saved as UTF-8 by another editor, accents on every line: listed within
# three times the file too.
awk 'BEGIN { for (i = 0; i < 1000000; i++) printf "\"L\303\251f\303\250vre\",\"H\303\251l\303\250ne %d\",\"1\",\"2\",\"1990\"\r\n", i }' >"$fichier"
taille=$(wc -c <"$fichier")
(
    ulimit -v $((3 * taille / 1024 + programme))
    "$exe" --dossier "$dossier/donnees" --liste >"$dossier/liste" 2>&1
)
echo "utf8-$? lignes-$(grep -c '^L.*vre;H.*ne [0-9]' "$dossier/liste")"
rm -rf "$dossier"

#!/bin/sh
# kalder-theme links no SQLite and loads it only for the client file, which
# kalder-clients keeps: a save into a data folder without a client file stays
# in kalder-theme, one with it goes there. The data folder kalder-theme chose
# is the one kalder-clients uses, even beside the program.
#   sans_sqlite.sh <kalder-theme> <work folder>
set -u
exe=$1
travail=$2
rm -rf "$travail" && mkdir -p "$travail/bin" "$travail/ailleurs"
echo "liee : $(ldd "$exe" | grep -c libsqlite3)"
rep="--dossier $travail/rep"
anne="--prenom Anne --nom Dupont --jour 1 --mois 2 --annee 1990"
for options in "--json $anne" "--sauvegarder $rep $anne" "--liste $rep" "--note Rappel $rep $anne" \
               "--sauvegarder --remplacer oui $rep $anne"; do
    # shellcheck disable=SC2086 # the options hold no blank
    LD_DEBUG=libs "$exe" $options 2> "$travail/chargement" > /dev/null
    statut=$?
    echo "${options%% *} : $(grep 'calling init:' "$travail/chargement" | grep -c libsqlite3)" \
         "statut-$statut"
done
cp "$exe" "$(dirname "$exe")/kalder-clients" "$travail/bin/"
(cd "$travail/ailleurs" &&
    env -i PATH="$travail/bin:/usr/bin:/bin" kalder-theme --sauvegarder --prenom Luc --nom Roy \
        > /dev/null &&
    env -i PATH="$travail/bin:/usr/bin:/bin" kalder-theme --note Rappel --prenom Luc --nom Roy \
        > /dev/null)
echo "statut-$?"
test -f "$travail/bin/Kalder/Kalder.sqlite" && echo "fiches-a-cote-du-programme"
rm -rf "$travail"

#!/bin/sh
# Memory running out while the client file is opened and read: each run of
# --fiche ends in success or in status 2 with "la mémoire a manqué"; the file
# stays where it was, never set aside, and still holds the note.
#   clients_memoire.sh <kalder-theme> <malloc_echoue.so> <work folder> [essais]
set -u
exe=$1
bibliotheque=$2
travail=$3
essais=${4:-300}
rm -rf "$travail" && mkdir -p "$travail"
anne="--prenom Anne --nom Dupont --jour 1 --mois 2 --annee 1990"
# shellcheck disable=SC2086 # the options hold no blank
"$exe" --dossier "$travail/modele" --sauvegarder $anne > /dev/null &&
    "$exe" --dossier "$travail/modele" --note "Gardée" $anne > /dev/null || { echo "modèle impossible"; exit 1; }
# kalder-theme hands the command to kalder-clients: the count is that one's.
# shellcheck disable=SC2086
total=$(KALDER_ESSAI_MALLOC_COMPTE=1 LD_PRELOAD="$bibliotheque" "$exe" --dossier "$travail/rep" \
            --fiche $anne 2>&1 >/dev/null | sed -n 's/^allocations-//p' | tail -n 1)
rm -rf "$travail/rep"
pas=$(( (total + essais - 1) / essais ))
n=1
fautes=0
while [ "$n" -le "$total" ]; do
    rm -rf "$travail/rep" && cp -r "$travail/modele" "$travail/rep"
    # shellcheck disable=SC2086
    KALDER_ESSAI_MALLOC_ECHEC=$n LD_PRELOAD="$bibliotheque" "$exe" --dossier "$travail/rep" \
        --fiche $anne > /dev/null 2> "$travail/erreur"
    statut=$?
    bon=1
    case $statut in
        0) ;;
        2|74) grep -q '^Erreur : ' "$travail/erreur" || bon=0 ;;
        *) bon=0 ;;
    esac
    ls "$travail/rep" | grep -q 'endommagé' && bon=0
    # shellcheck disable=SC2086
    "$exe" --dossier "$travail/rep" --fiche $anne 2>&1 | grep -q 'Gardée' || bon=0
    if [ "$bon" -eq 0 ]; then
        fautes=$((fautes + 1))
        [ "$fautes" -le 3 ] && { echo "échec à l'allocation $n : statut $statut"; head -c 300 "$travail/erreur"; }
    fi
    n=$((n + pas))
done
echo "fautes-$fautes"
rm -rf "$travail"

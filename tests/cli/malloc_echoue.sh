#!/bin/sh
# kalder-theme with its allocations failing from the n-th one on (n = 1, 2, …
# up to the count of a whole run, every one or at most <essais> evenly spread):
# each run of --liste, --sauvegarder, --supprimer and --json ends in success,
# or in status 2 or 74 with a French message; never in a signal.
#   malloc_echoue.sh <kalder-theme> <malloc_echoue.so> <work folder> [essais, 0 = every one]
set -u
exe=$1
bibliotheque=$2
travail=$3
essais=${4:-0}
rm -rf "$travail"
mkdir -p "$travail"
modele="$travail/modele"
"$exe" --dossier "$modele" --sauvegarder --prenom Zoé --nom Dupont --jour 1 --mois 2 --annee 1990 \
    > /dev/null || { echo "répertoire modèle impossible"; exit 1; }

commande() {
    case $1 in
        liste) echo "--dossier $travail/rep --liste" ;;
        sauvegarder) echo "--dossier $travail/rep --sauvegarder --prenom Paul --nom Martin --jour 17 --mois 5 --annee 1990" ;;
        supprimer) echo "--dossier $travail/rep --supprimer --nom Dupont --prenom Zoé" ;;
        json) echo "--prenom Anne-Marie --nom Dupont --jour 15 --mois 7 --annee 1975 --annee-courante 2026 --json" ;;
    esac
}

for cas in liste sauvegarder supprimer json; do
    # shellcheck disable=SC2046 # the arguments hold no blank
    set -- $(commande "$cas")
    rm -rf "$travail/rep" && cp -r "$modele" "$travail/rep"
    total=$(KALDER_ESSAI_MALLOC_COMPTE=1 LD_PRELOAD="$bibliotheque" "$exe" "$@" 2>&1 >/dev/null |
                sed -n 's/^allocations-//p')
    pas=1
    if [ "$essais" -gt 0 ] && [ "$total" -gt "$essais" ]; then
        pas=$(( (total + essais - 1) / essais ))
    fi
    n=1
    runs=0
    fautes=0
    while [ "$n" -le "$total" ]; do
        rm -rf "$travail/rep" && cp -r "$modele" "$travail/rep"
        KALDER_ESSAI_MALLOC_ECHEC=$n LD_PRELOAD="$bibliotheque" "$exe" "$@" \
            > "$travail/sortie" 2> "$travail/erreur"
        statut=$?
        runs=$((runs + 1))
        bon=1
        case $statut in
            0) ;;
            2|74) head -n 1 "$travail/erreur" | grep -q '^Erreur : ' || bon=0 ;;
            *) bon=0 ;;
        esac
        if [ "$bon" -eq 0 ]; then
            fautes=$((fautes + 1))
            if [ "$fautes" -le 3 ]; then
                echo "$cas, échec à l'allocation $n : statut $statut"
                head -c 300 "$travail/erreur"
            fi
        fi
        n=$((n + pas))
    done
    echo "$cas allocations-$total essais-$runs fautes-$fautes"
done
rm -rf "$travail"

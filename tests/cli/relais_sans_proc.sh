#!/bin/sh
# Without /proc, kalder-theme cannot know where it lies: it starts no helper by
# a bare name (a kalder-clients of the current folder would get the notes) and
# says so, with status 74. Needs root for a mount namespace; skipped otherwise.
#   relais_sans_proc.sh <kalder-theme> <work folder>
set -u
exe=$1
travail=$2
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2> /dev/null; then
    echo "sans espace de noms de montage"
    exit 77
fi
rm -rf "$travail" && mkdir -p "$travail/courant"
for aide in kalder-clients kalder-dossier; do
    printf '#!/bin/sh\necho "%s" >> "%s/piege"\n' "$aide" "$travail" > "$travail/courant/$aide"
    chmod 755 "$travail/courant/$aide"
done
anne="--prenom Anne --nom Dupont --jour 1 --mois 2 --annee 1990"
for commande in "--dossier $travail/donnees --note Secret" "--pdf $travail/anne.pdf"; do
    unshare -m sh -c "mount -t tmpfs aucun /proc && cd '$travail/courant' &&
                      '$exe' $commande $anne" > /dev/null 2> "$travail/erreur"
    echo "${commande%% *} statut-$? $(head -c 6 "$travail/erreur")"
done
test -e "$travail/piege" && echo "lancé depuis le dossier courant : $(cat "$travail/piege")"
rm -rf "$travail"

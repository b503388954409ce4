#!/bin/sh
# The client file from the command line, in a fresh folder: each step's output
# and status checked; prints "ok" at the end, or what differed.
# clients.sh <kalder-theme> <work folder>
exe=$1
dossier=$2
rm -rf "$dossier"
mkdir -p "$dossier"
k() { "$exe" --dossier "$dossier/donnees" "$@" 2>&1; echo "statut-$?"; }
anne="--prenom Anne --nom Dupont --jour 1 --mois 2 --annee 1990"
echecs=0
attendre() { # <step> <expected text (grep -E)> <output>
    # No-break spaces compared as spaces; lines joined by "~" for one pattern.
    if ! printf '%s\n' "$3" | LC_ALL=C sed 's/\xc2\xa0/ /g' | LC_ALL=C tr '\n' '~' | grep -Eq "$2"; then
        printf 'étape %s : attendu %s\nobtenu :\n%s\n' "$1" "$2" "$3"
        echecs=$((echecs + 1))
    fi
}

attendre sans_fiche "^Erreur : Anne Dupont n'a pas de fiche client\.~statut-2~$" "$(k --fiche $anne)"
attendre note "^Note ajoutée à la fiche d'Anne Dupont\.~statut-0" \
    "$(k --note "'; DROP TABLE clients; -- 100% _x_" $anne)"
attendre note_accents "statut-0" "$(k --note 'Parle de son déménagement' $anne)"
attendre note_vide "^Erreur : la note est vide\.~statut-2" "$(k --note '' $anne)"
attendre note_octets "^Erreur : [^~]*UTF-8 valide[^~]*~statut-2" "$(k --note "$(printf 'caf\351')" $anne)"
attendre fiche_texte "^Fiche d'Anne Dupont, date de naissance.*01/02/1990~Notes.*~  [0-9]{2}/[0-9]{2}/20[0-9]{2} [0-9:]{5}.*: Parle de son déménagement~  .*: '; DROP TABLE clients; -- 100% _x_~statut-0" \
    "$(k --fiche $anne)"
attendre fiche_json "^\{\"personne\": \{\"nom\": \"Dupont\".*\"notes\": \[\{\"date\": \"20[0-9-]{8} [0-9:]{5}\", \"texte\": \"Parle de son déménagement\"\}, \{[^}]*\"texte\": \"'; DROP TABLE clients; -- 100% _x_\"\}\], \"tags\": \[\], \"consultations\": \[\], \"variantes\": \[\], \"partenaires\": \[\]\}~statut-0" \
    "$(k --fiche --json $anne)"
k --note 'Autre' --prenom Zoé --nom Étienne >/dev/null
attendre liste "^Dupont;Anne;1;2;1990~Étienne;Zoé;;;~statut-0" "$(k --clients)"
attendre chercher_accents "^Dupont;Anne;1;2;1990~statut-0" "$(k --clients --chercher 'DEMENAG anne')"
attendre chercher_nom "^Étienne;Zoé;;;~statut-0" "$(k --clients --chercher etienne)"
attendre chercher_sql "^Dupont;Anne;1;2;1990~statut-0" "$(k --clients --chercher "'; drop")"
attendre chercher_joker "^statut-0" "$(k --clients --chercher '%')"
attendre chercher_aucun "^statut-0" "$(k --clients --chercher 'anne étienne')"
attendre exporter "^2 fiches exportées dans « [^~]*export\.json »\.~statut-0" \
    "$(k --exporter-clients "$dossier/export.json")"
attendre export_prive "^-rw-------" "$(ls -l "$dossier/export.json")"
attendre importer_neuf "^Importation de « [^~]*» : 2 fiches créées, 0 fiche complétée, 3 notes ajoutées, 0 consultation ajoutée\.~statut-0" \
    "$("$exe" --dossier "$dossier/autre" --importer-clients "$dossier/export.json" 2>&1; echo "statut-$?")"
k --note 'Seulement ici' $anne >/dev/null
attendre importer_fusion "^Importation de « [^~]*» : 0 fiche créée, 1 fiche complétée, 1 note ajoutée, 0 consultation ajoutée\.~statut-0" \
    "$(k --exporter-clients "$dossier/export.json" >/dev/null; "$exe" --dossier "$dossier/autre" --importer-clients "$dossier/export.json" 2>&1; echo "statut-$?")"
printf '{"clients": [' >"$dossier/faux.json"
attendre importer_faux "^Erreur : « [^~]*» n'a pas été importé : le JSON est incorrect vers l'octet 14\.~statut-2" \
    "$(k --importer-clients "$dossier/faux.json")"
# A save that modifies the entry (same names, new date) keeps the record.
k --sauvegarder --prenom Jean --nom Roy --jour 1 --mois 1 --annee 1950 >/dev/null
k --note 'Suit la personne' --prenom Jean --nom Roy --jour 1 --mois 1 --annee 1950 >/dev/null
k --sauvegarder --remplacer oui --prenom Jean --nom Roy --jour 2 --mois 1 --annee 1950 >/dev/null
attendre modification "Suit la personne~statut-0" \
    "$(k --fiche --prenom Jean --nom Roy --jour 2 --mois 1 --annee 1950)"
attendre exclusives "statut-64" "$(k --clients --liste)"
attendre chercher_seul "statut-64" "$(k --chercher x)"
attendre fiche_sans_nom "statut-64" "$(k --fiche --prenom Anne)"
# Eight processes adding notes at once lose none.
for e in 1 2 3 4 5 6 7 8; do
    (for n in 1 2 3 4 5 6 7 8 9 10; do
        "$exe" --dossier "$dossier/donnees" --note "n$e-$n" --prenom Luc --nom Roy >/dev/null || echo perdu
    done) &
done
wait
attendre concurrence '^80~$' "$("$exe" --dossier "$dossier/donnees" --fiche --prenom Luc --nom Roy | grep -c 'n[1-8]-')"
printf 'pas une base' >"$dossier/donnees/Kalder.sqlite"
dd if=/dev/zero bs=1024 count=8 >>"$dossier/donnees/Kalder.sqlite" 2>/dev/null
attendre endommage "^Attention : Le fichier des clients était endommagé : il a été mis de côté sous le nom « [^~]*Kalder\.sqlite\.endommagé-1 »[^~]*~statut-0" \
    "$(k --clients)"
attendre garde_de_cote "pas une base" "$(head -c 20 "$dossier/donnees/Kalder.sqlite.endommagé-1")"

[ "$echecs" -eq 0 ] && echo ok

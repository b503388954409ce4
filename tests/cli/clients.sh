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
# Notes go to saved persons only: a typo makes no client.
attendre note_hors_repertoire "^Erreur : Anne Dupont n'est pas dans le répertoire[^~]*~statut-2~$" \
    "$(k --note 'Perdue' $anne)"
k --sauvegarder $anne >/dev/null
attendre note_faute "^Erreur : Anne Dupond n'est pas dans le répertoire[^~]*~statut-2~$" \
    "$(k --note 'Perdue' --prenom Anne --nom Dupond --jour 1 --mois 2 --annee 1990)"
attendre note_blancs "^Erreur : la note est vide\.~statut-2" "$(k --note '   ' $anne)"
attendre note "^Note ajoutée à la fiche d'Anne Dupont\.~statut-0" \
    "$(k --note "'; DROP TABLE clients; -- 100% _x_" $anne)"
attendre note_accents "statut-0" "$(k --note 'Parle de son déménagement' $anne)"
attendre note_vide "^Erreur : la note est vide\.~statut-2" "$(k --note '' $anne)"
attendre note_octets "^Erreur : [^~]*UTF-8 valide[^~]*~statut-2" "$(k --note "$(printf 'caf\351')" $anne)"
attendre fiche_texte "^Fiche d'Anne Dupont, date de naissance.*01/02/1990~Notes.*~  [0-9]{2}/[0-9]{2}/20[0-9]{2} [0-9:]{5}.*: Parle de son déménagement~  .*: '; DROP TABLE clients; -- 100% _x_~statut-0" \
    "$(k --fiche $anne)"
attendre fiche_json "^\{\"personne\": \{\"nom\": \"Dupont\".*\"notes\": \[\{\"date\": \"20[0-9-]{8} [0-9:]{5}\", \"texte\": \"Parle de son déménagement\"\}, \{[^}]*\"texte\": \"'; DROP TABLE clients; -- 100% _x_\"\}\], \"tags\": \[\], \"consultations\": \[\], \"variantes\": \[\], \"partenaires\": \[\]\}~statut-0" \
    "$(k --fiche --json $anne)"
k --sauvegarder --prenom Zoé --nom Étienne >/dev/null
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
attendre importer_neuf "^Importation de « [^~]*» : 2 fiches créées, 0 fiche complétée, 3 notes ajoutées, 0 consultation ajoutée, 2 personnes ajoutées au répertoire\.~statut-0" \
    "$("$exe" --dossier "$dossier/autre" --importer-clients "$dossier/export.json" 2>&1; echo "statut-$?")"
k --note 'Seulement ici' $anne >/dev/null
attendre importer_fusion "^Importation de « [^~]*» : 0 fiche créée, 1 fiche complétée, 1 note ajoutée, 0 consultation ajoutée, 0 personne ajoutée au répertoire\.~statut-0" \
    "$(k --exporter-clients "$dossier/export.json" >/dev/null; "$exe" --dossier "$dossier/autre" --importer-clients "$dossier/export.json" 2>&1; echo "statut-$?")"
printf '{"clients": [' >"$dossier/faux.json"
attendre importer_faux "^Erreur : « [^~]*» n'a pas été importé : le JSON est incorrect vers l'octet 14\.~statut-2" \
    "$(k --importer-clients "$dossier/faux.json")"
printf '{"kalder_clients": 99, "clients": []}' >"$dossier/futur.json"
attendre importer_futur "^Erreur : « [^~]*» n'a pas été importé : ce fichier vient d'une version plus récente de Kalder[^~]*~statut-2" \
    "$(k --importer-clients "$dossier/futur.json")"
printf '{"kalder_clients": 1, "clients": [{"personne": {"nom": "\\ud800\\u0041", "prenoms": "A", "jour": "", "mois": "", "annee": ""}}]}' >"$dossier/demi.json"
attendre importer_demi_paire "^Erreur : « [^~]*» n'a pas été importé : le JSON est incorrect[^~]*~statut-2" \
    "$(k --importer-clients "$dossier/demi.json")"
printf '{"kalder_clients": 1, "clients": [{"personne": {"nom": "Neuf", "prenoms": "A", "jour": "", "mois": "", "annee": ""}, "notes": [{"date": "2026-01-01 10:00", "texte": "x", "auteur\\u001b": "moi"}]}]}' >"$dossier/inconnu.json"
attendre importer_champ_inconnu "^Erreur : « [^~]*» n'a pas été importé : le champ « auteur\? » du client 1 est inconnu de cette version de Kalder\.~statut-2" \
    "$(k --importer-clients "$dossier/inconnu.json")"
attendre champ_inconnu_rien_importe "^statut-0" "$(k --clients --chercher neuf)"
attendre chercher_mille_mots "^Erreur : La recherche compte trop de mots : 100 au plus\.~statut-2" \
    "$(k --clients --chercher "$(seq 1 1200 | tr '\n' ' ')")"
printf '{"kalder_clients": 1, "clients": [{"personne": {"nom": "Roy\\u001b]2;pirate\\u0007", "prenoms": "Al", "jour": "", "mois": "", "annee": ""}, "notes": [{"date": "2026-01-01 10:00", "texte": ""}]}]}' >"$dossier/echappement.json"
attendre importer_note_vide "1 fiche créée, 0 fiche complétée, 0 note ajoutée" "$(k --importer-clients "$dossier/echappement.json")"
attendre echappement_neutralise "^Roy�\]2;pirate�;Al;;;~statut-0" "$(k --clients --chercher pirate)"
# A save that modifies the entry (same names, new date) keeps the record.
k --sauvegarder --prenom Jean --nom Roy --jour 1 --mois 1 --annee 1950 >/dev/null
k --note 'Suit la personne' --prenom Jean --nom Roy --jour 1 --mois 1 --annee 1950 >/dev/null
k --sauvegarder --remplacer oui --prenom Jean --nom Roy --jour 2 --mois 1 --annee 1950 >/dev/null
attendre modification "Suit la personne~statut-0" \
    "$(k --fiche --prenom Jean --nom Roy --jour 2 --mois 1 --annee 1950)"
# A removal keeps the client record and says so, or erases it when asked.
lea="--prenom Léa --nom Roy --jour 1 --mois 1 --annee 1960"
k --sauvegarder $lea >/dev/null
k --note 'Secret de Léa' $lea >/dev/null
sortie=$(k --supprimer $lea)
attendre supprimer_garde "Personne retirée[^~]*~.*statut-0" "$sortie"
attendre supprimer_avertit "Attention : la fiche client [^~]*gardée[^~]*--effacer-fiche" "$sortie"
attendre fiche_gardee "Secret de Léa" "$(k --fiche $lea)"
k --sauvegarder $lea >/dev/null
attendre supprimer_efface "^Personne retirée[^~]*~La fiche client a été effacée\.~statut-0" \
    "$(k --supprimer --effacer-fiche $lea)"
attendre fiche_effacee "n'a pas de fiche client" "$(k --fiche $lea)"
attendre exclusives "statut-64" "$(k --clients --liste)"
attendre chercher_seul "statut-64" "$(k --chercher x)"
attendre fiche_sans_nom "statut-64" "$(k --fiche --prenom Anne)"
# Every saved person is a client, with an empty record until one is kept.
k --sauvegarder --prenom Marc --nom Blanc >/dev/null
attendre client_enregistre "^Fiche de Marc Blanc~statut-0~$" "$(k --fiche --prenom Marc --nom Blanc)"
attendre liste_enregistres "^Blanc;Marc;;;~Dupont;Anne;1;2;1990~" "$(k --clients)"
attendre liste_json '^\[\{"nom":"Blanc","prenoms":"Marc","jour":"","mois":"","annee":"","derniere_consultation":"","tags":"","notes":0\},\{"nom":"Dupont"[^~]*\]~statut-0~$' \
    "$(k --clients --json)"
# --supprimer without a date: the one person of that name, or the list of them.
k --sauvegarder --prenom Zoé --nom Dupont --jour 1 --mois 2 --annee 1990 >/dev/null
attendre supprimer_seule "^Personne retirée[^~]*Zoé Dupont[^~]*~statut-0" "$(k --supprimer --prenom Zoé --nom Dupont)"
# Two of that name, as another program may have written them.
printf '"Dupont","Zo\351","1","2","1990"\r\n"Dupont","Zo\351","3","4","1995"\r\n' \
    >>"$dossier/donnees/Kalderrep.txt"
attendre supprimer_plusieurs "^Erreur : plusieurs personnes du répertoire portent ce nom : Zoé Dupont \(1/2/1990\), Zoé Dupont \(3/4/1995\) ; précisez[^~]*~statut-2" \
    "$(k --supprimer --prenom Zoé --nom Dupont)"
# Eight processes adding notes at once lose none.
k --sauvegarder --prenom Luc --nom Roy >/dev/null
for e in 1 2 3 4 5 6 7 8; do
    (for n in 1 2 3 4 5 6 7 8 9 10; do
        "$exe" --dossier "$dossier/donnees" --note "n$e-$n" --prenom Luc --nom Roy >/dev/null || echo perdu
    done) &
done
wait
attendre concurrence '^80~$' "$("$exe" --dossier "$dossier/donnees" --fiche --prenom Luc --nom Roy | grep -c 'n[1-8]-')"
# One backup holds the directory and the records: restored into an empty
# folder, it gives the same backup again.
"$exe" --dossier "$dossier/donnees" --exporter-clients "$dossier/tout.json" >/dev/null
"$exe" --dossier "$dossier/neuf" --importer-clients "$dossier/tout.json" >/dev/null
"$exe" --dossier "$dossier/neuf" --exporter-clients "$dossier/neuf.json" >/dev/null
attendre sauvegarde_complete "^identiques~Blanc;Marc;;;~Dupont;Anne;1;2;1990~" \
    "$(cmp -s "$dossier/tout.json" "$dossier/neuf.json" && echo identiques; "$exe" --dossier "$dossier/neuf" --liste)"
# The list for a spreadsheet: UTF-8 with its mark, ";", every field quoted.
attendre csv "^[0-9]+ clients exportés dans « [^~]*clients\.csv »\.~statut-0" \
    "$(k --exporter-csv "$dossier/clients.csv")"
attendre csv_contenu '"Nom";"Prénoms";"Date de naissance";"Téléphone";"Courriel";"Adresse";"Tags";"Dernière consultation".~"Blanc";"Marc";"";"";"";"";"";"".~' \
    "$(head -n 2 "$dossier/clients.csv")"
attendre csv_marque "^efbbbf22~" "$(head -c 4 "$dossier/clients.csv" | od -An -tx1 | tr -d ' ')"
printf 'pas une base' >"$dossier/donnees/Kalder.sqlite"
dd if=/dev/zero bs=1024 count=8 >>"$dossier/donnees/Kalder.sqlite" 2>/dev/null
attendre endommage "^Attention : Le fichier des clients était endommagé : il a été mis de côté sous le nom « [^~]*Kalder\.sqlite\.endommagé-1 »[^~]*~.*statut-0" \
    "$(k --clients)"
attendre garde_de_cote "pas une base" "$(head -c 20 "$dossier/donnees/Kalder.sqlite.endommagé-1")"

[ "$echecs" -eq 0 ] && echo ok

#!/bin/sh
# The directory of kalder-theme.exe under Wine, byte for byte:
#   repertoire_wine.sh <wine> <kalder-theme.exe> <work folder>
# 1. With no --dossier the data folder is %APPDATA%\Kalder; the file is
#    Windows-1252 with CR LF, and a second save replaces it (backup kept).
# 2. --dossier with accented folder names outside Windows-1252.
# Runs only in a Wine prefix of its own (WINEPREFIX): it writes to that
# prefix's %APPDATA%, and puts back a Kalder folder that was there before.
set -eu
wine=$1
exe=$2
travail=$3
if [ -z "${WINEPREFIX:-}" ]; then
    echo "WINEPREFIX doit désigner un préfixe Wine d'essai" >&2
    exit 1
fi
rm -rf "$travail"
mkdir -p "$travail"
cd "$travail"

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}
# Compares a file with bytes given to printf.
memes_octets() {
    printf "$2" > attendu.bin
    cmp "$1" attendu.bin || {
        od -c "$1" >&2
        echec "contenu de $1"
    }
}
kalder() { "$wine" "$exe" "$@" | tr -d '\r'; }

appdata_win=$("$wine" cmd /c echo %APPDATA% | tr -d '\r')
appdata=$(winepath -u "$appdata_win" 2>/dev/null)
[ -d "$appdata" ] || echec "%APPDATA% introuvable ($appdata_win)"
if [ -e "$appdata/Kalder" ]; then
    mv "$appdata/Kalder" "$travail/Kalder.mis-de-cote"
    trap 'rm -rf "$appdata/Kalder"; mv "$travail/Kalder.mis-de-cote" "$appdata/Kalder"' EXIT
else
    trap 'rm -rf "$appdata/Kalder"' EXIT
fi

# 1. %APPDATA%\Kalder
sortie=$(kalder --sauvegarder --prenom Zoé --nom Dupont --jour 1 --mois 2 --annee 1990 \
    --partenaire-prenom Paul --partenaire-nom Martin)
[ "$sortie" = "2 personnes enregistrées dans « $appdata_win\\Kalder\\Kalderrep.txt »." ] ||
    echec "dossier de données : $sortie"
memes_octets "$appdata/Kalder/Kalderrep.txt" \
    '"Dupont","Zo\351","1","2","1990"\r\n"Martin","Paul","","",""\r\n'
kalder --sauvegarder --remplacer oui --prenom Zoé --nom Dupont --jour 3 --mois 2 --annee 1990 \
    > /dev/null 2>&1
memes_octets "$appdata/Kalder/Kalderrep.txt" \
    '"Dupont","Zo\351","3","2","1990"\r\n"Martin","Paul","","",""\r\n'
memes_octets "$appdata/Kalder/Kalderrep.bak" \
    '"Dupont","Zo\351","1","2","1990"\r\n"Martin","Paul","","",""\r\n'
liste=$(kalder --liste)
[ "$liste" = "$(printf 'Dupont;Zoé;3;2;1990\nMartin;Paul;;;')" ] || echec "liste : $liste"
printf '%%APPDATA%%\\Kalder : correct (%s\\Kalder)\n' "$appdata_win"

# 2. Accented folder names, relative to the current folder.
dossier="Données été Łódź"
mkdir "$dossier"
kalder --dossier "$dossier" --sauvegarder --prenom Gaëlle --nom Müller --jour 5 --mois 6 \
    --annee 1985 > /dev/null
ls "$dossier" | grep -v '^Kalderrep\.lock$' > noms.txt || true
[ "$(cat noms.txt)" = "Kalderrep.txt" ] || echec "fichiers de « $dossier » : $(cat noms.txt)"
memes_octets "$dossier/Kalderrep.txt" '"M\374ller","Ga\353lle","5","6","1985"\r\n'
liste=$(kalder --dossier "$dossier" --liste)
[ "$liste" = "Müller;Gaëlle;5;6;1985" ] || echec "liste accentuée : $liste"
echo "dossier « $dossier » : correct"

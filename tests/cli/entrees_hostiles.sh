#!/bin/sh
# Inputs a script or a terminal may send: a name that is not UTF-8, options
# the command does not use, a directory file saved as UTF-16. Each case: the
# status, a piece of the first line of the error stream, and for the UTF-16
# file that it was left as it was. Prints each failure; exit 1 on any.
# Usage: entrees_hostiles.sh kalder-theme dossier
exe=$1
d=$2
rm -rf "$d"
mkdir -p "$d/u16"
zoe=$(printf 'Zo\351')
echec=0

cas() {
    nom=$1 statut=$2 motif=$3
    shift 3
    "$exe" "$@" >"$d/sortie" 2>"$d/erreurs"
    s=$?
    premiere=$(head -n 1 "$d/erreurs")
    case "$premiere" in
    *"$motif"*) [ "$s" = "$statut" ] && return ;;
    esac
    echo "ÉCHEC $nom : statut $s, « $premiere »"
    echec=1
}

anne="--prenom Anne --nom Dupont --jour 15 --mois 7 --annee 1975"
illisible="contient un caractère illisible"
# shellcheck disable=SC2086
{
cas latin1-theme 2 "--prenom $illisible" --prenom "$zoe" --nom Dupont --jour 1 --mois 2 --annee 1990
cas latin1-json 2 "--nom $illisible" --prenom Anne --nom "$zoe" --json
cas latin1-sauvegarde 2 "--prenom $illisible" --dossier "$d/rep" --sauvegarder --prenom "$zoe" --nom X
cas latin1-partenaire 2 "--partenaire-prenom $illisible" $anne --partenaire-prenom "$zoe" --partenaire-nom X
cas latin1-variante 2 "--variante $illisible" $anne --variante "$zoe;Dupont"
cas latin1-dossier-pdf 2 "--prepare-par $illisible" $anne --pdf "$d/x.pdf" --prepare-par "$zoe"

cas sauvegarde-pdf 64 "--pdf ne sert pas avec --sauvegarder" --dossier "$d/rep" --sauvegarder $anne --pdf "$d/x.pdf"
cas pdf-json 64 "--json ne sert pas avec --pdf" $anne --pdf "$d/x.pdf" --json
cas pdf-synthese 64 "--synthese ne sert pas avec --pdf" $anne --pdf "$d/x.pdf" --synthese
cas sections-seules 64 "--sections ne sert qu'avec --pdf" $anne --sections nombres
cas prepare-par-seul 64 "--prepare-par ne sert qu'avec --pdf" $anne --prepare-par "Claire Lune"
cas dossier-theme 64 "--dossier ne sert qu'avec --liste, --sauvegarder, --supprimer, --fiche, --note, --clients, --exporter-clients ou --importer-clients" $anne --dossier "$d/rep"
cas remplacer-theme 64 "--remplacer ne sert qu'avec --sauvegarder" $anne --remplacer oui
cas liste-nom 64 "--prenom ne sert pas avec --liste" --dossier "$d/rep" --liste --prenom Anne
cas supprimer-partenaire 64 "--partenaire-nom ne sert pas avec --supprimer" --dossier "$d/rep" --supprimer $anne --partenaire-nom X
cas sauvegarde-rencontre 64 "--rencontre-jour ne sert pas avec --sauvegarder" --dossier "$d/rep" --sauvegarder $anne --rencontre-jour 3
cas sauvegarde-variante 64 "--variante ne sert pas avec --sauvegarder" --dossier "$d/rep" --sauvegarder $anne --variante "A;B"
}
[ -e "$d/x.pdf" ] && { echo "ÉCHEC : un dossier PDF a été écrit"; echec=1; }

# "Dupont";"Anne" in UTF-16 with its mark, as a text editor's "Unicode" saves it.
printf '\377\376"\000D\000u\000p\000o\000n\000t\000"\000,\000"\000A\000"\000\r\000\n\000' >"$d/u16/Kalderrep.txt"
cp "$d/u16/Kalderrep.txt" "$d/original"
cas utf16-liste 2 "UTF-16" --dossier "$d/u16" --liste
cas utf16-sauvegarde 2 "UTF-16" --dossier "$d/u16" --sauvegarder --prenom Luc --nom Roy
cas utf16-supprimer 2 "UTF-16" --dossier "$d/u16" --supprimer --prenom A --nom Dupont
cmp -s "$d/u16/Kalderrep.txt" "$d/original" || { echo "ÉCHEC : le fichier UTF-16 a changé"; echec=1; }
[ -e "$d/u16/Kalderrep.bak" ] && { echo "ÉCHEC : une copie de sécurité a été faite"; echec=1; }

rm -rf "$d"
[ $echec = 0 ] && echo "tout-bon"
exit $echec

#!/bin/sh
# The data folder as XDG_DATA_HOME and HOME give it, from a copy of the program
# so that nothing may land beside it unseen. One line per case: its name, the
# exit status, where the person went ("maison" for $HOME/.local/share/Kalder,
# "programme" beside the program, "rien" nowhere) and, on a failure, whether
# the message names the folder. Usage: dossier_environnement.sh kalder-theme dossier
exe=$1
d=$2
rm -rf "$d"
mkdir -p "$d/bin" "$d/courant"
cp "$exe" "$d/bin/kalder-theme"
: > "$d/fichier"

# cas NOM [VARIABLE=VALEUR ...]: kalder-theme $options from $d/courant with
# only these variables; $attendu is the pattern its message must match.
cas() {
    nom=$1
    shift
    rm -rf "$d/maison" "$d/bin/Kalder" "$d/courant"/* "$d/xdg"
    mkdir -p "$d/maison" "$d/xdg"
    # shellcheck disable=SC2086 # one word per option
    erreur=$(cd "$d/courant" && env -i PATH=/usr/bin:/bin "$@" "$d/bin/kalder-theme" $options 2>&1 >/dev/null)
    statut=$?
    ou=rien
    [ -f "$d/maison/.local/share/Kalder/Kalderrep.txt" ] && ou=maison
    [ -f "$d/xdg/Kalder/Kalderrep.txt" ] && ou=xdg
    [ -e "$d/bin/Kalder" ] && ou=programme
    [ -n "$(ls -A "$d/courant")" ] && ou=courant
    message=""
    # shellcheck disable=SC2254 # $attendu is a pattern
    case $erreur in
    $attendu) [ -n "$attendu" ] && message=" message-nomme" ;;
    esac
    echo "$nom statut-$statut $ou$message"
}

# The arguments go through $options: one word each, none with blanks.
options="--sauvegarder --prenom Luc --nom Roy"
attendu="*$d/fichier/Kalder*, car un fichier*"
cas xdg-fichier "XDG_DATA_HOME=$d/fichier" "HOME=$d/maison"
attendu="*$d/fichier/.local/share/Kalder*, car un fichier*"
cas home-fichier "HOME=$d/fichier"
attendu="*maison/.local/share/Kalder*, car ce chemin n'est pas absolu*"
cas home-relatif "HOME=maison"
attendu=""
cas xdg "XDG_DATA_HOME=$d/xdg" "HOME=$d/maison"
cas xdg-relatif "XDG_DATA_HOME=xdg" "HOME=$d/maison"
cas xdg-blanc "XDG_DATA_HOME=   " "HOME=$d/maison"
cas aucun
options="--liste"
attendu="*$d/fichier/Kalder*, car un fichier*"
cas liste-xdg-fichier "XDG_DATA_HOME=$d/fichier" "HOME=$d/maison"
attendu="*--dossier attend le chemin d'un dossier*"
options="--dossier= --liste"
cas liste-dossier-vide
options="--dossier= --sauvegarder --prenom Luc --nom Roy"
cas sauvegarde-dossier-vide
rm -rf "$d"

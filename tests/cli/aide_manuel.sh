#!/bin/sh
# Every option that --aide shows is described in the manual page.
#   aide_manuel.sh <kalder-theme> <kalder-theme.1>
aide=$("$1" --aide | grep -o -- '--[a-z][a-z-]*' | sort -u)
manuel=$(grep -o -- '\\-\\-[a-z][a-z\\-]*' "$2" | sed 's/\\//g' | sort -u)
manquantes=$(printf '%s\n' "$aide" | while read -r option; do
    printf '%s\n' "$manuel" | grep -qx -- "$option" || printf '%s ' "$option"
done)
[ -z "$manquantes" ] && echo "manuel-complet" || echo "absentes du manuel : $manquantes"

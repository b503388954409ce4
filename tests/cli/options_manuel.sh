#!/bin/sh
# The manual page documents every option that --aide lists, and no other:
# prints "ok", or the options found on one side only.
#   options_manuel.sh <kalder-theme> <kalder-theme.1>
set -eu
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
aide=$("$1" --aide | options)
manuel=$(sed 's/\\-/-/g' "$2" | options)
seulement_aide=$(printf '%s\n' "$aide" | grep -vxF -e "$manuel" || true)
seulement_manuel=$(printf '%s\n' "$manuel" | grep -vxF -e "$aide" || true)
[ -z "$seulement_aide" ] || printf 'absentes de la page de manuel : %s\n' $seulement_aide
[ -z "$seulement_manuel" ] || printf 'absentes de --aide : %s\n' $seulement_manuel
[ -z "$seulement_aide$seulement_manuel" ] && echo ok

#!/bin/sh
# kalder-theme links no Qt, GL or GLib library and loads none while it runs
# (what the dynamic loader reports), while its --pdf still writes a dossier.
#   sans_qt.sh <kalder-theme> <work folder> <arguments of a person>...
set -u
exe=$1
travail=$2
shift 2
motif='libQt|libGL|libEGL|libOpenGL|libglib|libgobject|libgthread|libxcb|libfontconfig|libfreetype'
rm -rf "$travail" && mkdir -p "$travail"
echo "liees : $(ldd "$exe" | grep -Ec "$motif")"
for options in --json --synthese "--liste --dossier $travail/rep"; do
    # shellcheck disable=SC2086 # the options hold no blank
    LD_DEBUG=libs "$exe" "$@" $options 2> "$travail/chargement" > /dev/null
    echo "chargees ${options%% *} : $(grep 'calling init:' "$travail/chargement" | grep -Ec "$motif")"
done
"$exe" "$@" --pdf "$travail/dossier.pdf" && head -c 5 "$travail/dossier.pdf" && echo
rm -rf "$travail"

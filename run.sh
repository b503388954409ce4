#!/usr/bin/env bash
# Sets up a fresh Debian machine with what building and running Kalder needs,
# builds it and starts the window. It builds in build-run/, without tests or
# benchmarks; test.sh keeps build/ for itself.
#
#   ./run.sh [options of kalder]   install what is missing, build, start the window
#   ./run.sh --construire          install what is missing and build, without starting
set -euo pipefail
cd "$(dirname "$0")"

demarrer=1
if [ "${1:-}" = "--construire" ]; then
    demarrer=0
    shift
fi

# Said before anything is installed or built: without a display the window
# cannot start (the same test and advice as kalder's own).
affichage_disponible() {
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
        return 0
    fi
    for argument in "$@"; do
        case $argument in -platform | -platform=*) return 0 ;; esac
    done
    return 1
}
if [ "$demarrer" -eq 1 ] && ! affichage_disponible "$@"; then
    printf '%s\n' "kalder : aucun affichage disponible (DISPLAY n'est pas défini) ; lancez-le dans une session graphique ou sous xvfb-run." \
        "./run.sh --construire installe et construit sans lancer la fenêtre." >&2
    exit 1
fi

./scripts/installer_dependances.sh fenetre

echo "kalder: configuring (build-run/)"
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DKALDER_TESTS=OFF -DKALDER_BENCH=OFF
echo "kalder: building (build-run/)"
cmake --build build-run -j "$(nproc 2>/dev/null || echo 2)"

if [ "$demarrer" -eq 0 ]; then
    echo "kalder: built; start the window with build-run/src/ui/kalder (or ./run.sh)"
    exit 0
fi
if [ -x build-run/src/ui/kalder ]; then
    echo "kalder: starting the window"
    exec build-run/src/ui/kalder "$@"
fi
echo "kalder: the window is not built yet; running kalder-theme on the example person"
exec build-run/src/cli/kalder-theme --prenom Anne-Marie --nom Dupont --jour 15 --mois 7 --annee 1975 "$@"

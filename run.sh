#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Kalder and starts it. It builds in
# build-run/, without tests; test.sh keeps build/ for itself.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/installer_dependances.sh

echo "kalder: building (build-run/)"
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DKALDER_TESTS=OFF -DKALDER_BENCH=OFF > /dev/null
cmake --build build-run -j "$(nproc 2>/dev/null || echo 2)"

if [ -x build-run/src/ui/kalder ]; then
    echo "kalder: starting the window"
    exec build-run/src/ui/kalder "$@"
fi
echo "kalder: the window is not built yet; running kalder-theme on the example person"
exec build-run/src/cli/kalder-theme --prenom Anne-Marie --nom Dupont --jour 15 --mois 7 --annee 1975 "$@"

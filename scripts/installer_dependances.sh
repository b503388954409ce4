#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages Kalder needs for one purpose and
# that are not there yet. Does nothing (and says so) when all are present.
#
#   scripts/installer_dependances.sh fenetre   building and running the window
#                                              and kalder-theme (./run.sh)
#   scripts/installer_dependances.sh tests     the above, and what ./test.sh
#                                              runs besides
#   scripts/installer_dependances.sh tests --liste
#                                              only prints the packages named
#                                              (scripts/verifier_paquets.py)
set -euo pipefail

# Building Kalder (every library the programs link) and running the window.
construction=(cmake g++ make
              qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
              # The client file (an SQLite database).
              libsqlite3-dev
              # The dossier's PDF outline and metadata (qpdf), found through pkg-config.
              pkgconf libqpdf-dev
              # The one JSON writer of the command-line tool and the client file.
              nlohmann-json3-dev
              # Reading the manual pages: man kalder, man -l dist/unix/kalder.1.
              man-db)

# What ./test.sh needs besides.
essais=(libgtest-dev libgmock-dev libbenchmark-dev
        # Looking at the window without a screen (xvfb-run, README).
        xvfb xauth
        # Reading the PDF dossier back in its tests.
        poppler-utils python3 qpdf
        # Reading the iCalendar file of the personal days back in its tests.
        python3-icalendar
        # Checking the installation: desktop entry, AppStream, Debian package.
        desktop-file-utils appstream dpkg-dev file lintian
        # The format and static checks of test.sh.
        clang-format clang-tidy
        # The Windows build: MinGW-w64, GoogleTest's sources, Wine to run it.
        g++-mingw-w64-x86-64-posix googletest wine wine64)

case "${1:-}" in
    fenetre) paquets=("${construction[@]}"); but="building and running Kalder" ;;
    tests) paquets=("${construction[@]}" "${essais[@]}"); but="building and testing Kalder" ;;
    *) echo "usage: $0 fenetre|tests" >&2; exit 64 ;;
esac

if [ "${2:-}" = "--liste" ]; then
    printf '%s\n' "${paquets[@]}"
    exit 0
fi

echo "kalder: checking the Debian packages for $but (${#paquets[@]} packages)"
manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ]; then
    echo "kalder: all of them are present, skipping apt-get"
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
echo "kalder: updating the package lists (apt-get update)"
"${sudo_cmd[@]}" apt-get update
echo "kalder: installing ${#manquants[@]} missing packages and what they need: ${manquants[*]}"
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${manquants[@]}"

#!/usr/bin/env bash
# Installs, with apt-get, whatever Kalder needs to build and test that is not
# there yet. Does nothing (and says so) when everything is present.
set -euo pipefail

paquets=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
         qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
         xvfb xauth
         # The client file (an SQLite database).
         libsqlite3-dev
         # Reading the PDF dossier back in its tests.
         poppler-utils python3
         # Reading the iCalendar file of the personal days back in its tests.
         python3-icalendar
         # Checking the installation: desktop entry, AppStream, Debian package.
         desktop-file-utils appstream dpkg-dev file
         # The format and static checks of test.sh.
         clang-format clang-tidy
         # The Windows build: MinGW-w64, GoogleTest's sources, Wine to run it.
         g++-mingw-w64-x86-64-posix googletest wine wine64)

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ]; then
    echo "kalder: all build dependencies are present, skipping apt-get."
    exit 0
fi

echo "kalder: installing missing packages: ${manquants[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"

#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Kalder and runs every test:
# the format of the C++ files, the release build with warnings as errors
# (engine, command-line tool, window, benchmarks compiled) and its tests
# (installation and package checks, lintian included), clang-tidy over the engine, the
# Windows cross build run under Wine, and an address/undefined-behaviour
# sanitizer build of the engine tests.
#
#   ./test.sh            everything (what CI runs)
#   ./test.sh --rapide   the release build and its tests only
set -euo pipefail
cd "$(dirname "$0")"

rapide=0
case "${1:-}" in
    "") ;;
    --rapide) rapide=1 ;;
    *) echo "usage: $0 [--rapide]" >&2; exit 64 ;;
esac

./scripts/installer_dependances.sh tests
# What the tests run comes from the packages the installer names, so that a
# forgotten one fails here, not on a fresh machine.
./scripts/verifier_paquets.py programmes

jobs=$(nproc 2>/dev/null || echo 2)

# The tracked C++ files (every C++ file outside the build folders when this is
# not a git checkout).
fichiers_cpp() {
    if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        git ls-files '*.cpp' '*.hpp'
    else
        find src tests bench -name '*.cpp' -o -name '*.hpp'
    fi
}

if [ "$rapide" -eq 0 ]; then
    echo "kalder: checking the format of the C++ files (clang-format)"
    fichiers_cpp | xargs clang-format --dry-run -Werror
fi

# build/ is this script's own: tests on, warnings as errors, whatever ran before
# (run.sh builds in build-run/).
echo "kalder: configuring (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKALDER_TESTS=ON -DKALDER_MOTEUR_SEUL=OFF \
      -DKALDER_WERROR=ON
echo "kalder: building (build/)"
cmake --build build -j "$jobs"
echo "kalder: checking that every system file the build read comes from a package the installer names"
./scripts/verifier_paquets.py construction build

echo "kalder: running the tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --no-tests=error -j "$jobs"

if [ "$rapide" -eq 1 ]; then
    echo "kalder: quick run passed (./test.sh without --rapide runs everything)"
    exit 0
fi

# GCC's own warning options are unknown to clang; the count of warnings it
# hides in system headers is left out. Each file is named as it starts.
# qpdf's headers do not parse with this clang (its JSON class is used in a
# std::vector before it is complete), so the one file that includes them is
# left out.
fichiers_tidy=$(fichiers_cpp | grep '^src/.*\.cpp$' | grep -v '^src/\(ui\|cli\)/' |
    grep -v '^src/document/signets_pdf\.cpp$')
total_tidy=$(printf '%s\n' "$fichiers_tidy" | wc -l)
echo "kalder: clang-tidy over the engine ($total_tidy files)"
# shellcheck disable=SC2016 # expanded by the inner shell
printf '%s\n' "$fichiers_tidy" | awk -v n="$total_tidy" '{ print NR "/" n, $0 }' |
    xargs -P "$jobs" -L 1 sh -c 'echo "  [$0] $1" && exec clang-tidy -p build --quiet \
        --extra-arg=-Wno-unknown-warning-option "$1"' \
        2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)

echo "kalder: cross-building the engine, kalder-theme and the engine tests for Windows (build-windows/)"
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DKALDER_GENERER_TEXTES="$PWD/build/src/textes/generer_textes" \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" -DKALDER_TESTS=ON \
      -DKALDER_WERROR=ON
cmake --build build-windows -j "$jobs"

echo "kalder: running the Windows programs under Wine (a fresh Wine prefix in a temporary folder; its first start takes a minute)"
# Wine names the files of accented folders through the locale: a UTF-8 one,
# whatever the machine's.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kalder-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
arreter_wine() {
    wineserver -k 2> /dev/null || true
    rm -rf "$WINEPREFIX"
}
trap arreter_wine EXIT
# The first start builds the prefix; bounded so that a stuck Wine fails the run.
timeout 300 wineboot --init
timeout 300 wineserver -w
ctest --test-dir build-windows --output-on-failure --no-tests=error --timeout 300
arreter_wine
trap - EXIT
unset LANG LC_ALL

echo "kalder: building the engine tests with address and undefined-behaviour sanitizers (build-asan/)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKALDER_MOTEUR_SEUL=ON -DKALDER_TESTS=ON \
      -DKALDER_WERROR=ON \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan -j "$jobs"

echo "kalder: running the engine tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -j "$jobs"
echo "kalder: every check passed"

#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Kalder and runs every test:
# the release build (engine, command-line tool, window, benchmarks compiled)
# the installation checks (cmake --install, the Debian package), the Windows
# cross build run under Wine, and an address/undefined-behaviour sanitizer
# build of the engine tests.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/installer_dependances.sh

jobs=$(nproc 2>/dev/null || echo 2)

echo "kalder: configuring and building (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j "$jobs"

echo "kalder: running the tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "kalder: cross-building the engine, kalder-theme and the engine tests for Windows (build-windows/)"
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DKALDER_GENERER_TEXTES="$PWD/build/src/textes/generer_textes" \
      -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" > /dev/null
cmake --build build-windows -j "$jobs"

echo "kalder: running the Windows programs under Wine (a fresh Wine prefix in a temporary folder)"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kalder-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all
arreter_wine() {
    wineserver -k 2> /dev/null || true
    rm -rf "$WINEPREFIX"
}
trap arreter_wine EXIT
# The first start builds the prefix; bounded so that a stuck Wine fails the run.
timeout 300 wineboot --init
timeout 300 wineserver -w
ctest --test-dir build-windows --output-on-failure --timeout 300
arreter_wine
trap - EXIT

echo "kalder: building the engine tests with address and undefined-behaviour sanitizers (build-asan/)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKALDER_ENGINE_ONLY=ON \
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
cmake --build build-asan -j "$jobs"

echo "kalder: running the engine tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

#!/usr/bin/env bash
# Sets up what is missing, builds the program with its tests and runs the
# whole suite through CTest (the windows are tested on Qt's offscreen platform),
# then builds and runs the same suite again under AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer.
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$raiz/tools/preparar.sh"
cmake -S "$raiz" -B "$raiz/build/pruebas" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAUGURON_TESTS=ON >/dev/null
cmake --build "$raiz/build/pruebas" -j"$(nproc)"
ctest --test-dir "$raiz/build/pruebas" --output-on-failure -j"$(nproc)"

cmake -S "$raiz" -B "$raiz/build/sanitizers" -DCMAKE_BUILD_TYPE=Debug -DAUGURON_TESTS=ON \
    -DAUGURON_SANITIZERS=ON >/dev/null
cmake --build "$raiz/build/sanitizers" -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$raiz/build/sanitizers" --output-on-failure -j"$(nproc)"

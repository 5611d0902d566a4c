#!/usr/bin/env bash
# Sets up what is missing, builds the program with its tests and runs the
# whole suite through CTest (the windows are tested on Qt's offscreen platform).
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$raiz/tools/preparar.sh"
cmake -S "$raiz" -B "$raiz/build/pruebas" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAUGURON_TESTS=ON >/dev/null
cmake --build "$raiz/build/pruebas" -j"$(nproc)"
ctest --test-dir "$raiz/build/pruebas" --output-on-failure -j"$(nproc)"

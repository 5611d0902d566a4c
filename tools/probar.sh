#!/usr/bin/env bash
# Sets up what is missing, builds the program with its tests and runs the suite
# through CTest (the windows are tested on Qt's offscreen platform).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash tools/preparar.sh probar
cmake --preset pruebas >/dev/null
cmake --build --preset pruebas -j"$(nproc)"
ctest --preset pruebas -j"$(nproc)"

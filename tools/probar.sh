#!/usr/bin/env bash
# Sets up what is missing, builds the program with its tests and runs the suite
# through CTest (workflow preset "test", in build/pruebas; the windows are
# tested on Qt's offscreen platform), then builds the page (workflow preset
# "web", in build/web) and plays it in a headless Chromium (test preset "web").
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash tools/preparar.sh probar
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset test
cmake --workflow --preset web
ctest --preset web

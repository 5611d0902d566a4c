#!/usr/bin/env bash
# Sets up what is missing, builds the Release program (workflow preset "run",
# in build/programa) and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash tools/preparar.sh ejecutar
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset run
exec build/programa/auguron "$@"

#!/usr/bin/env bash
# Sets up what is missing, builds the Release program and starts it.
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$raiz/tools/preparar.sh"
cmake -S "$raiz" -B "$raiz/build/programa" -DCMAKE_BUILD_TYPE=Release -DAUGURON_TESTS=OFF >/dev/null
cmake --build "$raiz/build/programa" --target auguron -j"$(nproc)"
exec "$raiz/build/programa/auguron"

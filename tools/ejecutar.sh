#!/usr/bin/env bash
# Sets up what is missing, builds the Release program and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash tools/preparar.sh ejecutar
cmake --preset release >/dev/null
cmake --build --preset release --target auguron -j"$(nproc)"
exec build/programa/auguron "$@"

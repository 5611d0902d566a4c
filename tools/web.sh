#!/usr/bin/env bash
# Installs what is missing, builds the page (workflow preset "web", into
# build/web/sitio) and serves that folder on http://localhost:PORT (8080 unless
# given). The folder is all a static web host needs.
#
#   tools/web.sh [PORT]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash tools/preparar.sh web
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset web
puerto=${1:-8080}
echo "Auguron en el navegador: http://localhost:$puerto/  (Ctrl+C para detenerlo)"
exec python3 -m http.server "$puerto" --bind 127.0.0.1 --directory build/web/sitio

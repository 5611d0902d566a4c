#!/usr/bin/env bash
# Installs the Debian packages that one job needs, if any is missing:
#   preparar.sh ejecutar   build and run the program
#   preparar.sh probar     build the program and the page and run their tests
#   preparar.sh web        build the page (Emscripten) and serve it
#   preparar.sh capturas   take the screenshots (an X server, xdotool, ImageMagick)
#   preparar.sh fuzz       fuzz the logic with libFuzzer (clang)
#   preparar.sh bench      build and run the benchmarks (Google Benchmark)
#   preparar.sh revisar    what CI adds: clang and clang-format
# Safe to run again: it only calls apt-get when something is absent, and says
# first, in one line, what it is about to install and for which job.
set -euo pipefail

compilar=(g++ cmake make pkg-config qt6-base-dev libgl-dev fonts-dejavu-core)
# The page: Emscripten builds it, Python serves it; its tests drive Debian's
# Chromium through the npm packages of package-lock.json.
pagina=(emscripten python3)
navegador=(chromium fonts-dejavu-core)
trabajo=${1:-}
case "$trabajo" in
# Qt's Wayland plug-in, for a Wayland session without X; the tests start the
# program under a headless Weston.
ejecutar) para="compilar y abrir Auguron" paquetes=("${compilar[@]}" qt6-wayland) ;;
probar)
    para="compilar y probar Auguron"
    paquetes=("${compilar[@]}" qt6-wayland libgtest-dev python3 appstream desktop-file-utils lintian weston
        "${pagina[@]}" "${navegador[@]}")
    npm=1
    ;;
web) para="compilar y servir la página" paquetes=("${pagina[@]}") ;;
capturas)
    para="tomar las capturas"
    paquetes=("${compilar[@]}" xvfb xdotool x11-utils x11-xserver-utils imagemagick)
    ;;
fuzz) para="el fuzzing con clang" paquetes=("${compilar[@]}" libgtest-dev clang libclang-rt-dev) ;;
bench)
    para="las mediciones"
    paquetes=("${compilar[@]}" libbenchmark-dev "${pagina[@]}" "${navegador[@]}")
    npm=1
    ;;
revisar) para="las revisiones de CI (clang, formato)" paquetes=("${compilar[@]}" libgtest-dev clang clang-format) ;;
*)
    echo "uso: $0 ejecutar|probar|web|capturas|fuzz|bench|revisar" >&2
    exit 2
    ;;
esac

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltan+=("$p")
    fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if ((${#faltan[@]})); then
    echo "auguron: para $para ($trabajo) se instalan con apt-get: ${faltan[*]}" >&2
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi

# The browser tests' npm packages, at the versions package-lock.json pins;
# Node.js itself from Debian where the machine has none.
if [[ ${npm:-0} == 1 ]]; then
    if ! command -v npm >/dev/null; then
        echo "auguron: para $para ($trabajo) se instalan con apt-get: nodejs npm" >&2
        "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends nodejs npm >/dev/null
    fi
    raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    if [[ ! "$raiz/node_modules/.package-lock.json" -nt "$raiz/package-lock.json" ]]; then
        echo "auguron: para $para ($trabajo) se instalan con npm ci: playwright-core, axe-core" >&2
        (cd "$raiz" && npm ci --no-audit --no-fund --loglevel=error)
    fi
fi

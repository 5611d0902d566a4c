#!/usr/bin/env bash
# Builds the benchmarks (Release; workflow preset "benchmarks", in build/bench)
# and runs them all: start-up against the bare Qt reference (wall time, CPU
# time, peak memory, callgrind instructions), offscreen and under Xvfb; answer
# latency against the reference's bare key and against the reference doing the
# same work (wall time, and instructions under callgrind); suspense timing and
# the logic alone; then prints the summary table; then the page against a
# reference page (bench/web/medir.mjs). The desktop's targets are those of
# bench/objetivos.h, which the programs include; the page's, medir.mjs's own.
#
#   bash bench/correr.sh
#
# VECES_ARRANQUE, VECES_CALLGRIND, VECES_LATENCIA, VECES_LATENCIA_CALLGRIND and
# VECES_SUSPENSO change the number of runs; VECES_PAGINA, the page's loads.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=$raiz/build/bench
veces_arranque=${VECES_ARRANQUE:-31}
veces_latencia=${VECES_LATENCIA:-201}
veces_suspenso=${VECES_SUSPENSO:-3}
veces_callgrind=${VECES_CALLGRIND:-3}
veces_latencia_callgrind=${VECES_LATENCIA_CALLGRIND:-15}

# A target of bench/objetivos.h, by name.
objetivo() {
    sed -n "s/^constexpr double $1 = \([0-9.]*\);.*/\1/p" "$raiz/bench/objetivos.h"
}
echo "Objetivos (bench/objetivos.h): instrucciones del arranque ≤ $(objetivo kArranqueInstrucciones)," \
    "memoria máxima ≤ $(objetivo kMemoriaMaxima), instrucciones de la latencia ≤ $(objetivo kLatenciaInstrucciones)" \
    "(frente a la referencia con el mismo trabajo), suspenso ± $(objetivo kSuspensoMs) ms"

bash "$raiz/tools/preparar.sh" bench
echo "== Compilando en $dir (Release)"
(cd "$raiz" && CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} \
    cmake --workflow --preset benchmarks >/dev/null)

b=$dir/bench
resumen=$b/resumen.txt
registro=$b/errores.log
: >"$resumen"
: >"$registro"
export QT_QPA_PLATFORM=offscreen
# Qt's own warnings (no runtime directory, offscreen size hints) go to the log.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
xvfb_pid=
limpiar() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
trap limpiar EXIT

# Runs a benchmark: its table on the screen, its summary lines kept, its
# warnings in the log (shown if it fails).
correr() {
    local salida
    if ! salida=$("$@" 2>>"$registro"); then
        echo "$salida" | grep -v '^RESUMEN|' || true
        echo "FALLÓ: $*" >&2
        tail -20 "$registro" >&2
        exit 1
    fi
    echo "$salida" | grep -v '^RESUMEN|' || true
    echo "$salida" | grep '^RESUMEN|' >>"$resumen" || true
}

echo
echo "== Arranque"
callgrind=()
command -v valgrind >/dev/null && callgrind=(--callgrind "$b" --veces-callgrind "$veces_callgrind")
correr "$b/medir_arranque" --programa "$b/arranque_auguron" --referencia "$b/arranque_referencia" \
    --veces "$veces_arranque" "${callgrind[@]}"

if command -v Xvfb >/dev/null; then
    # The same under a real X server (no window manager).
    pantalla=
    for n in $(seq 90 120); do
        if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
            pantalla=:$n
            break
        fi
    done
    if [[ -n $pantalla ]]; then
        Xvfb "$pantalla" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X${pantalla#:} ]] && break
            sleep 0.1
        done
        echo
        DISPLAY=$pantalla QT_QPA_PLATFORM=xcb correr "$b/medir_arranque" --programa "$b/arranque_auguron" \
            --referencia "$b/arranque_referencia" --veces "$veces_arranque" --etiqueta "xcb, Xvfb" "${callgrind[@]}"
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
fi

echo
echo "== Latencia de la respuesta"
correr "$b/latencia" --veces "$veces_latencia"

# Instructions of the measured samples alone (callgrind collects only inside
# them, one dump per sample): repeatable where wall time is not.
if command -v valgrind >/dev/null; then
    echo
    rm -f "$b"/callgrind.latencia.out*
    correr valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$b/callgrind.latencia.out" \
        "$b/latencia" --veces "$veces_latencia_callgrind" --callgrind "$b/callgrind.latencia.out"
    rm -f "$b"/callgrind.latencia.out*
fi

echo
echo "== Suspenso"
correr "$b/suspenso" --veces "$veces_suspenso"

echo
echo "== Lógica sola (Google Benchmark)"
"$b/banco_logica" --benchmark_min_time=0.1 --benchmark_out="$b/logica.csv" --benchmark_out_format=csv 2>>"$registro"
# Figures of the summary: CPU time per key, and per submission over the questions.
awk -F, '
    /^"BM_/ {
        gsub(/"/, "", $1)
        t = $4 + 0; u = $5
        if (u == "ns") t = t; else if (u == "us") t *= 1e3; else if (u == "ms") t *= 1e6
        if ($1 == "BM_TeclaPeticion") printf "RESUMEN|Lógica: una tecla de la petición|%.1f ns|-|-|-|-\n", t
        else if ($1 == "BM_TeclaPeticionOculta") printf "RESUMEN|Lógica: una tecla de la petición (captura oculta)|%.1f ns|-|-|-|-\n", t
        else if ($1 == "BM_TeclaPregunta") printf "RESUMEN|Lógica: una tecla de la pregunta|%.1f ns|-|-|-|-\n", t
        else if ($1 ~ /^BM_Envio\//) { n++; s += t; if (n == 1 || t < mn) mn = t; if (t > mx) mx = t }
    }
    END {
        if (n) printf "RESUMEN|Lógica: envío completo «?», %d preguntas (media; mín.–máx.)|%.2f µs (%.2f–%.2f µs)|-|-|-|-\n", n, s / n / 1e3, mn / 1e3, mx / 1e3
    }' "$b/logica.csv" >>"$resumen"

echo
echo "== Resumen (Auguron frente a la referencia Qt desnuda)"
echo
echo "| Medida | Auguron | Referencia | Cociente | Objetivo | Cumple |"
echo "|---|---|---|---|---|---|"
awk -F'|' '{ printf "| %s | %s | %s | %s | %s | %s |\n", $2, $3, $4, $5, $6, $7 }' "$resumen"
echo
echo "Perfiles de callgrind del arranque: $b/callgrind.{auguron,referencia}.{offscreen,xcb}.out"
echo "(callgrind_annotate --inclusive=yes ARCHIVO)"

echo
echo "== La página (Chromium, frente a una página de referencia sin WebAssembly)"
(cd "$raiz" && CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)} \
    cmake --workflow --preset web >/dev/null)
node "$raiz/bench/web/medir.mjs" "$raiz/build/web/sitio" --veces "${VECES_PAGINA:-21}"

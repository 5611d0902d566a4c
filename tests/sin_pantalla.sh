#!/bin/sh
# sin_pantalla.sh PROGRAM MANUAL VERSION
# The program as a command, with no display at hand. --help and --version
# answer with status 0, the help names the keys and the manual's synopsis its
# options. Where no display answers (none named, an X display nobody serves, a
# Wayland socket that does not exist, a platform asked for with no display) or
# Qt lacks the platform's plug-in, one Spanish line names the display, or the
# plug-in and its package, and the status is 1, instead of Qt's lines and an abort.
programa=$1 manual=$2 version=$3
fallos=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$programa" "$tmp/auguron" # a copy whose Qt finds no plug-in at all
printf '[Paths]\nPlugins=%s/ninguno\n' "$tmp" >"$tmp/qt.conf"
falla() {
    echo "FALLA: $*"
    fallos=$((fallos + 1))
}

no_hay="auguron: no hay pantalla disponible"
falta="auguron: falta el complemento de pantalla"
# status|lines (0: any)|the first line, a shell pattern|environment|program and arguments
while IFS='|' read -r estado lineas primera entorno orden; do
    # shellcheck disable=SC2086 # $entorno and $orden hold words, split on purpose
    salida=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$tmp" \
        $entorno $orden 2>&1 </dev/null)
    rc=$? n=$(printf '%s\n' "$salida" | wc -l) uno=$(printf '%s\n' "$salida" | head -n 1)
    # shellcheck disable=SC2254 # the pattern is meant as one
    case "$uno" in $primera) bien=si ;; *) bien=no ;; esac
    if [ "$rc" -ne "$estado" ] || { [ "$lineas" -ne 0 ] && [ "$n" -ne "$lineas" ]; } || [ "$bien" = no ]; then
        falla "con '$entorno $orden': estado $rc, $n líneas, no $estado y '$primera':" "$salida"
    else
        echo "bien con '$entorno $orden': $uno"
    fi
done <<EOF
1|1|$no_hay (DISPLAY no está definido)||$programa
1|1|$no_hay (no se pudo abrir la pantalla :2147)|DISPLAY=:2147|$programa
1|1|$no_hay (no se pudo abrir la pantalla /no/existe)|WAYLAND_DISPLAY=/no/existe XDG_SESSION_TYPE=wayland|$programa
1|1|$no_hay (DISPLAY no está definido)|QT_QPA_PLATFORM=xcb|$programa
1|1|$no_hay (no se pudo abrir la pantalla wayland-0)|QT_QPA_PLATFORM=wayland|$programa
1|1|$falta «wayland» de Qt (en Debian, el paquete qt6-wayland)|QT_QPA_PLATFORM=wayland|$tmp/auguron
1|1|$falta «ninguna» de Qt|QT_QPA_PLATFORM=ninguna|$programa
0|0|Uso: auguron *||$programa --help
0|0|Uso: auguron *|DISPLAY=:2147|$programa -h
0|1|Auguron $version *||$programa --version
EOF

ayuda=$(env -u DISPLAY "$programa" --help)
sinopsis=$(sed -n '/^\.SH SINOPSIS/,/^\.SH /p' "$manual")
for opcion in $(printf '%s\n' "$ayuda" | head -n 1 | grep -oE -- '--?[a-z]+'); do # roff escapes hyphens
    printf '%s\n' "$sinopsis" | grep -qF -- "$(printf '%s' "$opcion" | sed 's/-/\\-/g')" ||
        falla "la sinopsis del manual no nombra $opcion"
done
for tecla in Intro F1 F2 F3 F4 F10 Alt+N Alt+S Alt+A Alt+Y Ctrl+X; do
    printf '%s\n' "$ayuda" | grep -qw -- "$tecla" || falla "--help no nombra la tecla $tecla"
done
exit "$fallos"

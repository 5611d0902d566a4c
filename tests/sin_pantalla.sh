#!/bin/sh
# sin_pantalla.sh PROGRAM
# Where no display answers (none named, an X display nobody serves, a Wayland
# socket that does not exist) the program says so in one Spanish line and ends
# with status 1, instead of Qt's lines in English and an abort.
programa=$1
fallos=0
for caso in "" "DISPLAY=:2147" "WAYLAND_DISPLAY=/no/existe XDG_SESSION_TYPE=wayland"; do
    # shellcheck disable=SC2086 # $caso holds the assignments, split on purpose
    salida=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $caso \
        "$programa" 2>&1 </dev/null)
    rc=$?
    lineas=$(printf '%s\n' "$salida" | wc -l)
    case "$salida" in
    "auguron: no hay pantalla disponible ("*")") bien=si ;;
    *) bien=no ;;
    esac
    if [ "$rc" -ne 1 ] || [ "$lineas" -ne 1 ] || [ "$bien" = no ]; then
        echo "FALLA con '${caso:-sin pantalla}': estado $rc, $lineas líneas:"
        printf '%s\n' "$salida"
        fallos=$((fallos + 1))
    else
        echo "bien con '${caso:-sin pantalla}': $salida"
    fi
done
exit "$fallos"

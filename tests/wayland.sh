#!/bin/sh
# wayland.sh PROGRAM
# Starts a headless Weston on a socket of its own, in a private runtime folder,
# and runs PROGRAM on it through Qt's Wayland plug-in. Exits 77 (skipped) where
# weston is not installed.
set -u
if ! command -v weston >/dev/null; then
    echo "weston no está instalado: no se prueba Wayland"
    exit 77
fi
dir=$(mktemp -d) # mode 0700, as a runtime folder must be
weston=""
trap '[ -n "$weston" ] && kill "$weston" 2>/dev/null; rm -rf "$dir"' EXIT
XDG_RUNTIME_DIR=$dir weston --backend=headless-backend.so --socket=auguron --no-config --idle-time=0 \
    >"$dir/weston.log" 2>&1 &
weston=$!
i=0
while [ ! -S "$dir/auguron" ]; do
    i=$((i + 1))
    if [ "$i" -gt 100 ] || ! kill -0 "$weston" 2>/dev/null; then
        echo "weston no arrancó:"
        cat "$dir/weston.log"
        exit 1
    fi
    sleep 0.1
done
env -u DISPLAY XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=auguron QT_QPA_PLATFORM=wayland "$1"

#!/usr/bin/env bash
# Installs the Debian packages that building and testing Auguron need, if any
# is missing, and those named as arguments (tools of a single script). Safe to
# run again: it only calls apt-get when something is absent.
set -euo pipefail

paquetes=(g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev fonts-dejavu-core xvfb xdotool x11-utils x11-xserver-utils imagemagick appstream desktop-file-utils strace "$@")

faltan=()
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        faltan+=("$p")
    fi
done

if ((${#faltan[@]})); then
    echo "auguron: instalando ${faltan[*]}" >&2
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi

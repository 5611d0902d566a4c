#!/bin/sh
# probar_paquete.sh <cpack> <build dir> <empty work dir>
#
# Builds the .deb from the build as CPack makes it and has lintian check it:
# any error or warning fails (info tags are only shown). The changelog must
# also have an entry for the version being packaged, which lintian does not
# check, its texts must keep the host's secret, and it must recommend Qt's
# Wayland plug-in. Exits 77 (skipped) where lintian is not installed.
set -eu
cpack=$1 build=$2 dir=$3

if ! command -v lintian >/dev/null; then
    echo "lintian no está instalado: el paquete no se revisa"
    exit 77
fi

rm -rf "$dir"
mkdir -p "$dir"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$dir" >"$dir/cpack.log" 2>&1 || {
    cat "$dir/cpack.log"
    exit 1
}
deb=$(echo "$dir"/auguron_*.deb)

version=$(dpkg-deb -f "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/auguron/changelog.gz | gzip -dc >"$dir/changelog"
ultima=$(dpkg-parsechangelog -l "$dir/changelog" -S Version)
if [ "$ultima" != "$version" ]; then
    echo "packaging/changelog: la última entrada es $ultima y el paquete es $version"
    exit 1
fi

no() { echo "$*"; exit 1; }
# What guests may read in a software centre (the package's description, the
# menu entry's comment, the AppStream description) tells that the host has a
# secret, and does not give it away: no word of the answer, nor of the phrase
# that hides it. No made-up homepage. Under Wayland without X, Qt needs its
# Wayland plug-in, which Debian ships apart.
archivo() { dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/share/$1"; }
metainfo=$(archivo metainfo/org.example.auguron.metainfo.xml)
for texto in "$(dpkg-deb -f "$deb" Description)" "$(archivo applications/auguron.desktop | grep '^Comment')" \
    "$(printf '%s\n' "$metainfo" | sed -n '/<description>/,/<\/description>/p')"; do
    printf '%s\n' "$texto" | grep -qi 'secret' || no "no dice que hay un secreto: $texto"
    ! printf '%s\n' "$texto" | grep -Eqi 'respuesta|answer([^s]|$)|frase|phrase' || no "revela el secreto: $texto"
done
[ -z "$(dpkg-deb -f "$deb" Homepage)" ] && ! printf '%s\n' "$metainfo" | grep -q 'type="homepage"' ||
    no "una página web inventada"
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || no "el paquete no recomienda qt6-wayland"

exec lintian --fail-on error,warning --display-info "$deb"

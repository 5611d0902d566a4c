#!/bin/sh
# probar_paquete.sh <cpack> <build dir> <empty work dir>
#
# Builds the .deb from the build as CPack makes it and has lintian check it:
# any error or warning fails (info tags are only shown). The changelog must
# also have an entry for the version being packaged, which lintian does not
# check, and it must recommend Qt's Wayland plug-in. Exits 77 (skipped) where
# lintian is not installed.
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

# Under Wayland without X, Qt needs its Wayland plug-in, which Debian ships apart.
case "$(dpkg-deb -f "$deb" Recommends)" in
*qt6-wayland*) ;;
*)
    echo "el paquete no recomienda qt6-wayland"
    exit 1
    ;;
esac

exec lintian --fail-on error,warning --display-info "$deb"

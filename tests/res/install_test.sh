#!/usr/bin/env bash
# Installs the build into a temporary prefix and validates what a desktop finds there, then
# builds the Debian package and checks its files and dependencies. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
id=org.vantaedit.VantaEdit

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
expect_files() {
    local root=$1
    for file in bin/vantaedit bin/vantaedit-cli share/applications/$id.desktop \
                share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
                share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
        [ -e "$root/$file" ] || { echo "missing: $root/$file" >&2; exit 1; }
    done
}
expect_files "$scratch/prefix"
desktop-file-validate "$scratch/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$id.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/deb" >/dev/null
deb=$(echo "$scratch"/deb/*.deb)
dpkg -x "$deb" "$scratch/root"
expect_files "$scratch/root/usr"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6core6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n; do
    [[ $depends == *"$lib"* ]] || { echo "Depends lacks $lib: $depends" >&2; exit 1; }
done
echo "install and package checks passed"

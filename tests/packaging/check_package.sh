#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the .deb
# from this build tree and checks what it holds and depends on.
set -euo pipefail
source_dir=$1
build_dir=$2
app=example.zyntra.Zyntra

desktop-file-validate "$source_dir/packaging/$app.desktop"
appstreamcli validate --no-net --pedantic "$source_dir/packaging/$app.metainfo.xml"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null)
deb=$(ls "$work"/*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for expected in \
    ./usr/bin/zyntra \
    ./usr/share/applications/$app.desktop \
    ./usr/share/metainfo/$app.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$app.svg \
    ./usr/share/icons/hicolor/16x16/apps/$app.png \
    ./usr/share/icons/hicolor/48x48/apps/$app.png \
    ./usr/share/icons/hicolor/256x256/apps/$app.png; do
    grep -qx "$expected" <<<"$contents" || { echo "missing from the package: $expected"; exit 1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 libc6 fonts-liberation2 libqt6sql6-sqlite; do
    grep -q "$library" <<<"$depends" || { echo "the package does not depend on $library: $depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = zyntra ] || { echo "wrong package name"; exit 1; }

# The 256 pixel icon is a real PNG of that size.
dpkg-deb -x "$deb" "$work/root"
file "$work/root/usr/share/icons/hicolor/256x256/apps/$app.png" | grep -q '256 x 256' \
    || { echo "the 256 pixel icon is not 256 x 256"; exit 1; }
echo "1 passed, 0 failed"

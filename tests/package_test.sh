#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary
# root, runs the installed vostrel-cli and validates the desktop files.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
    *libqt6widgets6*) ;;
    *) echo "the computed dependencies lack Qt Widgets"; exit 1 ;;
esac

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/vostrel usr/bin/vostrel-cli usr/share/man/man1/vostrel-cli.1 \
            usr/share/applications/org.vostrel.Vostrel.desktop \
            usr/share/metainfo/org.vostrel.Vostrel.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.vostrel.Vostrel.svg \
            usr/share/icons/hicolor/48x48/apps/org.vostrel.Vostrel.png; do
    [ -e "$root/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done

count=$("$root/usr/bin/vostrel-cli" 123 --kill 12 --banker 5 --count)
[ "$count" = 183 ] || { echo "installed vostrel-cli printed '$count', not 183"; exit 1; }

desktop-file-validate "$root/usr/share/applications/org.vostrel.Vostrel.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.vostrel.Vostrel.metainfo.xml"
echo "package installs, runs and validates"

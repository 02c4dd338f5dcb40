#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what it holds, its
# control fields and that the packaged program answers --version without a
# display: package_test.sh BUILD-DIR VERSION.
# Exits with 77 (skipped) when cpack or dpkg's tools are missing.
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || {
        echo "$tool is not installed"
        exit 77
    }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log"
    exit 1
}
deb=$tmp/out/merestone_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || {
    echo "no $deb among:" "$tmp"/out/*.deb
    exit 1
}
dpkg-deb -x "$deb" "$tmp/root"
root=$tmp/root

# Every file of the program's data folder in the build tree is installed.
[ -d "$build/share/merestone" ] || fail "no data folder in $build"
while IFS= read -r -d '' f; do
    [ -f "$root/usr/share/merestone/${f#./}" ] || fail "missing usr/share/merestone/${f#./}"
done < <(cd "$build/share/merestone" && find . -type f -print0)
for f in usr/bin/merestone usr/share/merestone/Info.json "usr/share/merestone/Images/Merestone's_Manual.pdf" \
    usr/share/applications/merestone.desktop usr/share/mime/packages/merestone.xml \
    usr/share/metainfo/com.kelvane.Merestone.metainfo.xml usr/share/man/man1/merestone.1.gz \
    usr/share/doc/merestone/copyright usr/share/doc/merestone/changelog.gz; do
    [ -f "$root/$f" ] || fail "missing $f"
done
[ -x "$root/usr/bin/merestone" ] || fail "usr/bin/merestone is not executable"
# Each icon is the picture of its size (a PNG's width is bytes 16 to 19).
for size in 32 64 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/merestone.png
    if [ -f "$icon" ]; then
        width=$(od -An -tu1 -j16 -N4 "$icon" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
        [ "$width" = "$size" ] || fail "the ${size}x${size} icon is $width pixels wide"
    else
        fail "missing the ${size}x${size} icon"
    fi
done
if [ -f "$root/usr/share/man/man1/merestone.1.gz" ]; then
    zcat "$root/usr/share/man/man1/merestone.1.gz" | grep -q "^\.TH MERESTONE 1 .*\"Merestone $version\"" ||
        fail "the manual page is not merestone(1) of version $version"
fi
# The caches are the installed system's, refreshed by dpkg's triggers.
for f in usr/share/mime/mime.cache usr/share/applications/mimeinfo.cache usr/share/icons/hicolor/icon-theme.cache; do
    [ ! -e "$root/$f" ] || fail "the package holds $f"
done

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = merestone ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = sound ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[ "$(field Homepage)" = https://kelvane.example/ ] || fail "Homepage: $(field Homepage)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
# The libraries dpkg-shlibdeps found and what the program loads by name.
depends=", $(field Depends),"
for p in libc6 libqt6widgets6 libqt6dbus6 qt6-qpa-plugins fonts-dejavu-core fonts-dejavu-extra xdg-utils; do
    [[ "$depends" =~ ,\ ${p}[\ ,] ]] || fail "Depends lacks $p: $(field Depends)"
done

# The packaged program answers without a display or a session bus.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS \
    "$root/usr/bin/merestone" --version 2>&1) || fail "merestone --version ended with status $?: $out"
[ "$out" = "merestone $version" ] || fail "merestone --version printed: $out"

[ "$failures" -eq 0 ] && echo "$(basename "$deb"): all checks passed"
exit $((failures > 0))

#!/usr/bin/env bash
# Sets up what is missing, builds Merestone for release with Debian's
# hardening flags and packs it with CPack: build-package/merestone_<version>_<arch>.deb.
# lintian then reviews the package; its errors fail the script.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! dpkg-query -W -f='${Status}' lintian 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: lintian"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends lintian
fi

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build-package
rm -f build-package/merestone_*.deb
(cd build-package && cpack -G DEB)
deb=$(ls build-package/merestone_*.deb)
dpkg-deb --field "$deb"
lintian "$deb"
echo "$deb"

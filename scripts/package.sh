#!/bin/sh
# Builds the Debian package into build-package/ (or $VELMORA_PACKAGE_BUILD_DIR):
# the program configured for /usr, where Debian installs programs, without
# the test suite.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_PACKAGE_BUILD_DIR:-$top/build-package}
# dpkg-shlibdeps finds the library packages; CPack needs file to spot binaries.
"$top/scripts/setup.sh" dpkg-dev file
VELMORA_BUILD_DIR="$build" "$top/scripts/build.sh" -DCMAKE_INSTALL_PREFIX=/usr -DVELMORA_BUILD_TESTS=OFF
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/velmora_*.deb

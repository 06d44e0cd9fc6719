#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, when missing,
# and the further packages named as arguments.
set -eu
packages="build-essential cmake ninja-build pkg-config
  libfreeimage-dev libcairo2-dev libpango1.0-dev qt6-base-dev libarchive-dev libpng-dev libjpeg-dev
  imagemagick fonts-liberation fonts-dejavu-core
  googletest libgtest-dev libgmock-dev
  desktop-file-utils shared-mime-info groff-base $*"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing

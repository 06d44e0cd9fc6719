#!/bin/sh
# Sets up, builds and converts the bundled sample PhotoCD image to JPEG.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
mkdir -p "$top/out"
"$top/build/src/velmora" -i "$top/samples/sample.pcd" -o "$top/out" -q
echo "The JPEG is at $top/out/sample.jpg"

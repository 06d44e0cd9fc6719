#!/bin/sh
# Sets up, builds and runs every test.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
ctest --test-dir "${VELMORA_BUILD_DIR:-$top/build}" -j "$(nproc)" --output-on-failure

#!/bin/sh
# Configures and builds into build/ (or $VELMORA_BUILD_DIR).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"

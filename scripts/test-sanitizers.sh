#!/bin/sh
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs every test there.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_SANITIZE_BUILD_DIR:-$top/build-sanitize}
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$top/scripts/setup.sh"
VELMORA_BUILD_DIR="$build" "$top/scripts/build.sh" -DVELMORA_SANITIZE=ON
ctest --test-dir "$build" -j "$(nproc)" --output-on-failure

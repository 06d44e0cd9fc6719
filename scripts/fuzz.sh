#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# a bounded time (seconds per target, default 60) from its seed corpus;
# names after the seconds pick targets (all when none are named).
#   fuzz.sh [seconds] [target...]
# Crashing inputs land in build-fuzz/crashes/; keep them under
# tests/data/fuzz/<target>/ once fixed, where the test suite replays them.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_FUZZ_BUILD_DIR:-$top/build-fuzz}
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets="$*"
"$top/scripts/setup.sh"
dpkg-query -W -f='${Status}' clang libclang-rt-14-dev 2>/dev/null | grep -c "install ok installed" | grep -q 2 || {
  as_root=""; [ "$(id -u)" -eq 0 ] || as_root="sudo"
  $as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
}
export ASAN_OPTIONS="detect_leaks=0"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DVELMORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0"
mkdir -p "$build/crashes"
for binary in "$build"/fuzz/fuzz_*; do
  name=$(basename "$binary"); target=${name#fuzz_}
  [ -z "$targets" ] || case " $targets " in *" $target "*) ;; *) continue ;; esac
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  [ -d "$top/fuzz/seeds/$target" ] && cp -n "$top/fuzz/seeds/$target"/* "$corpus"/ 2>/dev/null || true
  [ -d "$top/tests/data/fuzz/$target" ] && cp -n "$top/tests/data/fuzz/$target"/* "$corpus"/ 2>/dev/null || true
  max_len=4096
  case "$target" in
    theme_package) cp -n "$build/src/gfx/handdrawn.zip" "$corpus"/ 2>/dev/null || true; max_len=400000 ;;
    decoded_image) cp -n "$top/samples/sample.pcd" "$corpus"/ 2>/dev/null || true
                   convert -size 16x8 xc:red "$corpus/small.tga" 2>/dev/null || true; max_len=800000 ;;
  esac
  echo "== $target ($seconds s)"
  "$binary" "$corpus" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -max_len="$max_len" \
    -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 2>"$build/$target.log" || {
      echo "   crashed: see $build/$target.log and $build/crashes/"; continue; }
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$build/$target.log" | tr '\n' ' '
  grep -oE "cov: [0-9]+ ft: [0-9]+" "$build/$target.log" | tail -1
done

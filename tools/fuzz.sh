#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers, then runs each for RUNS inputs.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-1000000}
build="${FUZZ_BUILD:-$here/build-fuzz}"
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
test -f "$build/build.ninja" || CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja \
  -DZIVI_FUZZ=ON -DZIVI_GUI=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$san -fsanitize=fuzzer-no-link" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build"
for f in "$build"/fuzz/fuzz_*; do
  name=$(basename "$f")
  corpus="$build/corpus-$name"
  mkdir -p "$corpus"
  [ -d "$here/tests/fixtures" ] && find "$here/tests/fixtures" -name '*.gbo' -exec cp -n {} "$corpus/" \; 2>/dev/null || true
  echo "== $name: $runs runs"
  "$f" -runs="$runs" -max_len=4096 -print_final_stats=1 "$corpus" 2>&1 | tail -n 15
done

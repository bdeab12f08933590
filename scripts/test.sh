#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build
# and one with the address and undefined-behaviour sanitizers. Warnings are errors.
# The normal build's Debian package is unpacked into a scratch root and checked.
# With clang present, the fuzz targets then run for VELMORA_FUZZ_SECONDS each (60).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" test
jobs="$(nproc)"

echo "== normal build"
cmake -S "$top" -B "$top/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON >/dev/null
cmake --build "$top/build/release" -j "$jobs"
ctest --test-dir "$top/build/release" --output-on-failure -j "$jobs"

echo "== Debian package"
"$top/scripts/check-package.sh" "$top/build/release"

echo "== sanitizer build"
cmake -S "$top" -B "$top/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON \
      -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$top/build/sanitize" -j "$jobs"
. "$top/scripts/sanitizer-env.sh"
ctest --test-dir "$top/build/sanitize" --output-on-failure -j "$jobs"

if command -v clang++ >/dev/null && [ -n "$(ls "$top"/fuzz/*.cpp 2>/dev/null)" ]; then
    echo "== fuzzing"
    CXX=clang++ cmake -S "$top" -B "$top/build/fuzz" -DCMAKE_BUILD_TYPE=Debug \
          -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF \
          -DVELMORA_BUILD_FUZZ=ON -DVELMORA_WERROR=ON >/dev/null
    cmake --build "$top/build/fuzz" -j "$jobs"
    for fuzzer in "$top"/build/fuzz/fuzz/fuzz_*; do
        [ -x "$fuzzer" ] || continue
        name="$(basename "$fuzzer")"
        echo "-- $name"
        work="$(mktemp -d)"
        cp -r "$top/fuzz/corpus/${name#fuzz_}/." "$work/" 2>/dev/null || true
        "$fuzzer" -max_total_time="${VELMORA_FUZZ_SECONDS:-60}" -print_final_stats=1 "$work"
        rm -rf "$work"
    done
fi
echo "== all tests passed"

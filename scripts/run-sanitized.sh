#!/usr/bin/env bash
# Builds the program with the address and undefined-behaviour sanitizers and starts
# it in the current folder on the desktop's display, as scripts/test.sh runs the
# tests: any report of our own code stops it with the report on standard error.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" test
cmake -S "$top" -B "$top/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DVELMORA_WERROR=ON \
      -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$top/build/sanitize" -j "$(nproc)" --target velmora
. "$top/scripts/sanitizer-env.sh"
exec "$top/build/sanitize/src/velmora" "$@"

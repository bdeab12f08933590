#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it in the current folder
# (the plan file UserData.dta is kept in the folder the program starts in).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" run
cmake -S "$top" -B "$top/build/app" -DCMAKE_BUILD_TYPE=Release \
      -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$top/build/app" -j "$(nproc)"
exec "$top/build/app/src/velmora" "$@"

#!/usr/bin/env bash
# Builds Zem Scrivlet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCRIVLET_BUILD_TESTS=OFF -DSCRIVLET_BUILD_BENCH=OFF >/dev/null
cmake --build build --target scrivlet
exec build/src/scrivlet "$@"

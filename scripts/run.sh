#!/usr/bin/env bash
# Builds Zem Scrivlet and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
# The same flags as scripts/test.sh, which shares build/: switching between
# them rebuilds nothing.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DSCRIVLET_BUILD_TESTS=OFF -DSCRIVLET_BUILD_BENCH=OFF >/dev/null
cmake --build build --target scrivlet
exec build/src/scrivlet "$@"

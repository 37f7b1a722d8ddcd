#!/usr/bin/env bash
# Builds the program and every unit and widget test with AddressSanitizer and
# UndefinedBehaviorSanitizer (SCRIVLET_SANITIZE, clang) into build-asan/ and
# runs them. Any report fails its test; the only leak reports suppressed are
# the ones tests/sanitizers/lsan.supp names. The X11 end-to-end tests and
# the benchmarks are left out: the ordinary build runs them.
#
#   scripts/test-sanitizers.sh              build and run
#   scripts/test-sanitizers.sh --build-only build only (scripts/test.sh builds
#                                           while the Linux tests run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# -O1 with line tables: readable reports at a fraction of the build time of
# full debug information. Debug keeps our Q_ASSERTs in.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DSCRIVLET_SANITIZE=ON \
    -DSCRIVLET_BUILD_TESTS=ON -DSCRIVLET_BUILD_X11_TESTS=OFF -DSCRIVLET_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
[ "${1:-}" = --build-only ] && exit 0
(cd build-asan && ctest --output-on-failure --no-tests=error -j "$jobs" --timeout 600)

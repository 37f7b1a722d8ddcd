#!/usr/bin/env bash
# Builds the libFuzzer targets of the file loaders (tests/fuzz/: the data
# file, backups, the 3.0 edition's file, other tools' files) into
# build-fuzz/ with clang, ASan and UBSan, and runs each of them.
#
#   scripts/fuzz.sh           short run, as the test command does: a fixed
#                             number of inputs per target from a fixed seed,
#                             starting from the seed corpora
#   scripts/fuzz.sh SECONDS   long run: SECONDS per target, random seed,
#                             growing a corpus kept in build-fuzz/corpus/
#   scripts/fuzz.sh --build-only
#                             build only (scripts/test.sh builds while the
#                             Linux tests run)
#
# A crash or a broken rule stops the run with the input saved under
# build-fuzz/crashes/. Once fixed, add that input to tests/fuzz/corpus/<name>/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_only=false
[ "${1:-}" = --build-only ] && build_only=true && shift
seconds=${1:-}
runs=${SCRIVLET_FUZZ_RUNS:-50000}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSCRIVLET_BUILD_FUZZERS=ON -DSCRIVLET_BUILD_TESTS=OFF -DSCRIVLET_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_load fuzz_backup fuzz_legacy fuzz_import
$build_only && exit 0

mkdir -p build-fuzz/crashes
# Memory errors and undefined behaviour stop a run; leaks are left to the
# sanitizer build of the unit tests. Qt 5.15's QJsonDocument::fromJson leaks
# the earlier value of a duplicate key when it is an array or an object (a
# Qt fault, a few bytes per key), and Qt's frames can only be told apart
# with the slow unwinder, which would cost most of the executions.
export ASAN_OPTIONS=detect_leaks=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for name in load backup legacy import; do
    dict=()
    max_len=8192
    [ "$name" = legacy ] && max_len=12288 # four records of 3024 bytes
    [ "$name" = load ] || [ "$name" = backup ] && dict=(-dict="$root/tests/fuzz/json.dict")
    [ "$name" = import ] && dict=(-dict="$root/tests/fuzz/yaml.dict")
    if [ -n "$seconds" ]; then
        corpus=build-fuzz/corpus/$name
        limits=(-max_total_time="$seconds")
    else
        corpus=$work/$name
        limits=(-runs="$runs" -seed=1)
    fi
    mkdir -p "$corpus"
    echo "== fuzz_$name"
    log=$work/$name.log
    if ! build-fuzz/tests/fuzz/fuzz_"$name" "${limits[@]}" -max_len=$max_len "${dict[@]}" -detect_leaks=0 \
        -artifact_prefix="$root/build-fuzz/crashes/$name-" -print_final_stats=1 \
        "$corpus" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$name FAILED; the input is in build-fuzz/crashes/"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || tail -n 3 "$log"
    echo "corpus: $(ls "$corpus" | wc -l) inputs"
done

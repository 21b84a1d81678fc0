#!/usr/bin/env bash
# Installs what is missing, builds from scratch where needed and runs every test: the normal
# build; the same tests under the address and undefined-behaviour sanitizers (build-asan/),
# where any report fails the test that made it; and the game database loader under libFuzzer
# for a bounded time (build-fuzz/). Exits non-zero on any failure.
#
#   scripts/test.sh           everything, as CI runs it
#   scripts/test.sh --quick   the normal build and its tests only
#
# HALVARD_FUZZ_SECONDS (default 60) is how long the loader is fuzzed.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
for option in "$@"; do
    case "$option" in
        --quick) quick=1 ;;
        -h | --help) sed -n '2,10p' "$0" | cut -c3-; exit 0 ;;
        *) echo "scripts/test.sh: unknown option $option (see --help)" >&2; exit 2 ;;
    esac
done
jobs="$(nproc)"

scripts/install-deps.sh

echo "== Normal build"
cmake --preset default
cmake --build --preset default
ctest --preset default -j "$jobs"
[ "$quick" -eq 1 ] && exit 0

echo "== Address and undefined-behaviour sanitizers"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$jobs"

echo "== The database loader under libFuzzer, ${HALVARD_FUZZ_SECONDS:-60} s"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus build-fuzz/artifacts
# The corpus grows from run to run; a crashing input lands in build-fuzz/artifacts/.
if ! build-fuzz/bin/halvard_fuzz_loader -max_total_time="${HALVARD_FUZZ_SECONDS:-60}" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -dict=fuzz/loader.dict -artifact_prefix=build-fuzz/artifacts/ \
    build-fuzz/corpus build-fuzz/fuzz-seeds > build-fuzz/fuzz.log 2>&1; then
    tail -n 60 build-fuzz/fuzz.log
    echo "scripts/test.sh: the loader fuzzer found a fault (log: build-fuzz/fuzz.log)" >&2
    exit 1
fi
grep -E "^(Done|stat::number_of_executed_units)" build-fuzz/fuzz.log || true
echo "== All tests passed"

#!/usr/bin/env bash
# Builds with gcov's instrumentation (preset "coverage", build-coverage/), runs the whole test
# suite, and prints the line and branch coverage of the engine: src/core, src/charts,
# src/mission and src/campaign. By file: build-coverage/coverage/lines.txt and branches.txt,
# and a page per file from build-coverage/coverage/index.html.
#
#   scripts/coverage.sh [--jobs N]     N: build and test jobs (default: the cores)
#
# Branches that only throw, and those the compiler made and proved dead, are left out: they
# are the exception machinery's, not the rules'.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
while [ $# -gt 0 ]; do
    case "$1" in
        --jobs) jobs=$2; shift ;;
        -h | --help) sed -n '2,10p' "$0" | cut -c3-; exit 0 ;;
        *) echo "scripts/coverage.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done

build=build-coverage
cmake --preset coverage > /dev/null
cmake --build --preset coverage -j "$jobs"
# Counts add up from run to run; each report is of one whole run.
find "$build" -name '*.gcda' -delete
scratch=$PWD/$build/scratch
rm -rf "$scratch" && mkdir -p "$scratch"
# No test may touch a player's own campaigns.
XDG_DATA_HOME=$scratch ctest --preset coverage -j "$jobs"

mkdir -p "$build/coverage"
# Only the project's own objects: the compiler check of the configure step is instrumented too.
gcovr --root . --object-directory "$build" -j "$jobs" \
    --filter 'src/core/' --filter 'src/charts/' --filter 'src/mission/' --filter 'src/campaign/' \
    --exclude-throw-branches --exclude-unreachable-branches \
    --json "$build/coverage/coverage.json" --html-details "$build/coverage/index.html" --print-summary \
    "$build/src" "$build/tests"
gcovr --root . --add-tracefile "$build/coverage/coverage.json" --txt "$build/coverage/lines.txt"
gcovr --root . --add-tracefile "$build/coverage/coverage.json" --branches --txt "$build/coverage/branches.txt"
echo "By file: $build/coverage/lines.txt, branches.txt and index.html"

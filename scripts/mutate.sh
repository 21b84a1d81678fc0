#!/usr/bin/env bash
# Measures what the tests catch: makes small faults (mutants) in the engine's sources
# (src/core, src/charts, src/mission, src/campaign), one at a time, rebuilds and runs the test
# programs against each, and reports which mutants no test noticed.
#
#   scripts/mutate.sh [--seed N] [--count N]       run the list (default seed 1, 220 mutants)
#   scripts/mutate.sh --list [--seed N] [--count N]   print the list only
#   scripts/mutate.sh --only ID[,ID...]            run chosen mutants of the list again
#   options: --jobs N (build jobs, default: the cores), --timeout S (per test program, default
#            five times its time on the unchanged sources plus 10 s), --build-dir DIR, --ui (the
#            widget tests too: they alone fly the odds window's every-target runs; slower)
#
# A mutant changes one place: a comparison, arithmetic or logical operator, an integer constant
# by one, a call or assignment removed, an if condition negated, one character of a text, or a
# number in a row of a table. Each is killed (a test program failed or hung), survived, or did
# not build. The report goes to DIR/mutants.txt (DIR/mutants-only.txt for --only). The build
# directory (default build-mutate/) is the run's own; a source file is always put back as it
# was, on Ctrl-C too, and a run stopped harder than that puts it back at the next start.
set -uo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

seed=1
count=220
jobs=$(nproc)
timeout=""
build=build-mutate
list_only=0
only=""
with_ui=0
usage() { sed -n '2,18p' "$0" | cut -c3-; }
while [ $# -gt 0 ]; do
    case "$1" in
        --seed) seed=$2; shift ;;
        --count) count=$2; shift ;;
        --jobs) jobs=$2; shift ;;
        --timeout) timeout=$2; shift ;;
        --build-dir) build=$2; shift ;;
        --list) list_only=1 ;;
        --only) only=$2; shift ;;
        --ui) with_ui=1 ;;
        -h | --help) usage; exit 0 ;;
        *) echo "scripts/mutate.sh: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
    shift
done
for number in "$seed" "$count" "$jobs" ${timeout:+"$timeout"}; do
    [[ $number =~ ^[0-9]+$ ]] || { echo "scripts/mutate.sh: not a number: $number" >&2; exit 2; }
done

tools=scripts/mutate
work=$build/mutate
mkdir -p "$work"

# --- Putting a source back -------------------------------------------------------------------

# The file under mutation is named in $work/pending and saved whole in $work/original until it
# is back, so even a run killed outright leaves what the next start needs to put it back.
restore() {
    [ -f "$work/pending" ] || return 0
    local file
    file=$(cat "$work/pending")
    cp "$work/original" "$file" && cmp -s "$work/original" "$file" && rm -f "$work/pending" "$work/original" && return 0
    echo "scripts/mutate.sh: could not put $file back; it is saved in $work/original" >&2
    exit 1
}
if [ -f "$work/pending" ]; then
    echo "Putting back $(cat "$work/pending") from a run that was stopped"
    restore
fi
trap restore EXIT
trap 'restore; trap - EXIT; exit 130' INT
trap 'restore; trap - EXIT; exit 143' TERM

# --- The list --------------------------------------------------------------------------------

engine=$(git ls-files 'src/core/*.cpp' 'src/core/*.h' 'src/charts/*.cpp' 'src/charts/*.h' \
    'src/mission/*.cpp' 'src/mission/*.h' 'src/campaign/*.cpp' 'src/campaign/*.h')
# What a change rebuilds is counted over what the run builds: not the desktop program.
built=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' | grep -v -E '^(src|tests)/ui/')
list=$work/list.tsv
# shellcheck disable=SC2086
awk -f $tools/rebuilds.awk $built > "$work/units.tsv"
# shellcheck disable=SC2086
awk -f $tools/sites.awk $engine > "$work/sites.tsv"
awk -v seed="$seed" -v count="$count" -f $tools/select.awk "$work/units.tsv" "$work/sites.tsv" > "$list"

describe() { # id file line column kind before after
    printf '%4s  %s:%s  %-9s  %s -> %s\n' "$1" "$2" "$3" "$5" "$6" "$7"
}
if [ "$list_only" -eq 1 ]; then
    echo "# seed $seed, $(wc -l < "$list") mutants from $(wc -l < "$work/sites.tsv") sites"
    while IFS=$'\t' read -r id file line column kind before after; do
        describe "$id" "$file" "$line" "$column" "$kind" "$before" "$after"
    done < "$list"
    exit 0
fi
if [ -n "$only" ]; then
    awk -F'\t' -v ids="$only" 'BEGIN { n = split(ids, a, ","); for (i = 1; i <= n; i++) want[a[i]] = 1 }
        $1 in want { print; found[$1] = 1 }
        END { for (i = 1; i <= n; i++) if (!(a[i] in found)) { print "no mutant " a[i] > "/dev/stderr"; exit 2 } }' \
        "$list" > "$work/run.tsv" || exit 2
else
    cp "$list" "$work/run.tsv"
fi

# Replaces before with after at line:column of file, only if before is found there exactly.
mutate() { # file line column before after
    cp "$1" "$work/original"
    echo "$1" > "$work/pending"
    BEFORE=$4 AFTER=$5 awk -v at="$2" -v column="$3" '
        FNR == at { b = ENVIRON["BEFORE"]
            if (substr($0, column, length(b)) != b) { found = 0; exit 3 }
            $0 = substr($0, 1, column - 1) ENVIRON["AFTER"] substr($0, column + length(b)) }
        { print }' "$work/original" > "$work/mutant" || return 1
    cat "$work/mutant" > "$1"
}

# --- Building and testing --------------------------------------------------------------------

# Only what the test programs need; the desktop program is configured (the report's test reads
# its HTML with Qt's XML parser) but never built. -O1 without debug information compiles and
# links several times faster than the default build, and unlike -O0 keeps the tests fast.
targets=(core_tests charts_tests mission_tests campaign_tests cli_tests reliability_tests halvard-cli)
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
        -DHALVARD_BUILD_BENCHMARKS=OFF -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST > "$work/configure.log" 2>&1 ||
        { cat "$work/configure.log"; exit 1; }
fi
build_now() { cmake --build "$build" -j "$jobs" --target "${targets[@]}" > "$work/build.log" 2>&1; }

# Fastest first; the unit programs stop at their first failure.
stages=(mission_tests charts_tests core_tests campaign_tests cli_tests reliability_tests kill_and_resume)
if [ "$with_ui" -eq 1 ]; then
    targets+=(ui_tests)
    stages=(mission_tests charts_tests core_tests campaign_tests cli_tests ui_tests reliability_tests kill_and_resume)
fi
scratch=$(cd "$work" && pwd)/scratch
for variable in ${!HALVARD_@}; do unset "$variable"; done # a soak or a replay seed of the caller
run_stage() { # stage seconds-allowed
    rm -rf "$scratch" && mkdir -p "$scratch/xdg" "$scratch/tmp"
    if [ "$1" = kill_and_resume ]; then
        XDG_DATA_HOME=$scratch/xdg TMPDIR=$scratch/tmp timeout -k 5 "$2" \
            bash tests/campaign/kill_and_resume.sh "$build/bin/halvard-cli" "$build/bin" < /dev/null
    else
        XDG_DATA_HOME=$scratch/xdg TMPDIR=$scratch/tmp timeout -k 5 "$2" \
            "$build/bin/$1" --gtest_fail_fast --gtest_brief=1 < /dev/null
    fi
}
now() { echo "$EPOCHREALTIME"; }
since() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }'; }

# Runs every stage until one fails: sets verdict (passed, or the stage that failed) and tested.
declare -A allowed
run_tests() { # log
    local stage start status
    verdict=passed
    start=$(now)
    for stage in "${stages[@]}"; do
        run_stage "$stage" "${allowed[$stage]:-3600}" >> "$1" 2>&1
        status=$?
        if [ "$status" -ne 0 ]; then
            verdict=$stage
            [ "$status" -eq 124 ] || [ "$status" -eq 137 ] && verdict="$stage (timeout)"
            break
        fi
    done
    tested=$(since "$start")
}

echo "Building the unchanged sources in $build"
start=$(now)
build_now || { tail -n 40 "$work/build.log"; echo "scripts/mutate.sh: the unchanged sources do not build" >&2; exit 1; }
echo "  built in $(since "$start") s"
: > "$work/baseline.log"
for stage in "${stages[@]}"; do
    start=$(now)
    run_stage "$stage" 3600 >> "$work/baseline.log" 2>&1 ||
        { tail -n 40 "$work/baseline.log"; echo "scripts/mutate.sh: $stage fails without any mutant" >&2; exit 1; }
    took=$(since "$start")
    allowed[$stage]=${timeout:-$(awk -v t="$took" 'BEGIN { printf "%d", 5 * t + 10.999 }')}
    echo "  $stage passes in $took s (allowed ${allowed[$stage]} s under a mutant)"
done

# A fault every suite must notice, so that a run where nothing is killed means the tests, not
# this script: every scripted die throws as if the script had run out.
sentinel_file=src/core/Dice.cpp
sentinel_before='if (next_ >= faces_.size())'
sentinel_after='if (!(next_ >= faces_.size()))'
sentinel_line=$(grep -n -F -m1 "$sentinel_before" "$sentinel_file" | cut -d: -f1)
if [ -z "$sentinel_line" ]; then
    echo "scripts/mutate.sh: the self-check's mutant is no longer in $sentinel_file; choose another" >&2
    exit 1
fi
sentinel_column=$(awk -v at="$sentinel_line" -v b="$sentinel_before" 'NR == at { print index($0, b) }' "$sentinel_file")
mutate "$sentinel_file" "$sentinel_line" "$sentinel_column" "$sentinel_before" "$sentinel_after" || exit 1
: > "$work/self-check.log"
if ! build_now; then
    restore
    tail -n 40 "$work/build.log"; echo "scripts/mutate.sh: the self-check's mutant did not build" >&2; exit 1
fi
run_tests "$work/self-check.log"
restore
if [ "$verdict" = passed ]; then
    echo "scripts/mutate.sh: the self-check's mutant ($sentinel_file:$sentinel_line) was not killed" >&2
    exit 1
fi
echo "  self-check: a known fault in $sentinel_file:$sentinel_line is killed by $verdict"

# --- The run ---------------------------------------------------------------------------------

mkdir -p "$work/logs"
results=$work/results.tsv
: > "$results"
total=$(wc -l < "$work/run.tsv")
run_start=$(now)
done_count=0
while IFS=$'\t' read -r id file line column kind before after <&3; do
    done_count=$((done_count + 1))
    log=$work/logs/$id.log
    : > "$log"
    start=$(now)
    if ! mutate "$file" "$line" "$column" "$before" "$after"; then
        status="no-site"
        verdict="the text at $file:$line:$column is not what the list says"
        built_in=0 tested=0
    elif ! build_now; then
        cp "$work/build.log" "$log"
        status="no-build" verdict="-" built_in=$(since "$start") tested=0
    else
        built_in=$(since "$start")
        run_tests "$log"
        if [ "$verdict" = passed ]; then status=survived verdict="-"; else status=killed; fi
    fi
    restore
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$id" "$status" "$verdict" "$built_in" "$tested" \
        "$file" "$line" "$column" "$kind" "$before" "$after" >> "$results"
    printf '[%d/%d] %-8s %5ss build %5ss tests  %s\n' "$done_count" "$total" "$status" "$built_in" "$tested" \
        "$(describe "$id" "$file" "$line" "$column" "$kind" "$before" "$after" | sed 's/^ *//')"
done 3< "$work/run.tsv"
elapsed=$(since "$run_start")

# --- The report ------------------------------------------------------------------------------

report=$build/mutants.txt
[ -n "$only" ] && report=$build/mutants-only.txt
{
    echo "Mutation run: seed $seed, count $count${only:+, only $only}, $(git rev-parse --short HEAD)$(git diff --quiet -- src || echo ' with uncommitted changes')"
    echo "Test programs in order: ${stages[*]}; build jobs: $jobs"
    awk -F'\t' -v elapsed="$elapsed" '
        { n[$2]++; build += $4; tests += $5 }
        END {
            printf "Mutants: %d; killed %d, survived %d, did not build %d", NR, n["killed"], n["survived"], n["no-build"]
            if (n["no-site"]) printf ", not applied %d", n["no-site"]
            printf "\n"
            if (n["killed"] + n["survived"] > 0)
                printf "Kill rate: %.1f%% (killed / (killed + survived))\n", 100 * n["killed"] / (n["killed"] + n["survived"])
            if (NR > 0) printf "Time: %.0f s, %.1f s a mutant (building %.1f s, testing %.1f s)\n", elapsed, elapsed / NR, build / NR, tests / NR
        }' "$results"
    echo
    echo "Killed by:"
    awk -F'\t' '$2 == "killed" { n[$3]++ } END { for (k in n) printf "  %-32s %d\n", k, n[k] }' "$results" | sort
    echo
    echo "Survived:"
    while IFS=$'\t' read -r id status verdict built_in tested file line column kind before after; do
        [ "$status" = survived ] && describe "$id" "$file" "$line" "$column" "$kind" "$before" "$after"
    done < "$results"
    if grep -q -P '\tno-site\t' "$results"; then
        echo
        echo "Not applied (the source changed since the list was made):"
        awk -F'\t' '$2 == "no-site" { print "  " $1 "  " $6 ":" $7 }' "$results"
    fi
    echo
    echo "Every mutant:"
    while IFS=$'\t' read -r id status verdict built_in tested file line column kind before after; do
        printf '%-8s %-28s %s' "$status" "$verdict" "$(describe "$id" "$file" "$line" "$column" "$kind" "$before" "$after" | sed 's/^ *//')"
        echo
    done < "$results"
} > "$report"
echo
sed -n '1,/^Every mutant:/p' "$report" | sed '$d'
echo "Report: $report"

#!/usr/bin/env bash
# Times the desktop program's start — data directory, database, splash picture, entry screen
# painted — against a bare Qt window of the same size, over repeated runs under Xvfb, and prints
# the medians of wall time and peak memory with their ratios.
# Usage: bench/startup.sh [runs]   (default 40)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-40}

if [ -z "${HALVARD_STARTUP_UNDER_XVFB:-}" ]; then
    missing=()
    for package in xvfb xauth time; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
    cmake --preset default >/dev/null
    cmake --build --preset default --target halvard_startup_probe bare_window_probe halvard_data
    # A display of its own, the same for both programs.
    HALVARD_STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs"
fi

export QT_QPA_PLATFORM=xcb
bin=build/bin
declare -A times memory

peak=$(mktemp)
trap 'rm -f "$peak"' EXIT

run() { # probe: appends its wall time (microseconds) and peak resident memory (KiB)
    local start end
    start=$(date +%s%N)
    /usr/bin/time -o "$peak" -f '%M' "$bin/$1" >/dev/null 2>&1
    end=$(date +%s%N)
    times[$1]+="$(( (end - start) / 1000 )) "
    memory[$1]+="$(tail -n1 "$peak") "
}

# One warm-up run each, so neither pays for a cold file cache; then the two alternate.
run bare_window_probe
run halvard_startup_probe
times=() memory=()
for ((i = 0; i < runs; i++)); do
    run bare_window_probe
    run halvard_startup_probe
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bare_us=$(echo "${times[bare_window_probe]}" | median)
desk_us=$(echo "${times[halvard_startup_probe]}" | median)
bare_kib=$(echo "${memory[bare_window_probe]}" | median)
desk_kib=$(echo "${memory[halvard_startup_probe]}" | median)

awk -v runs="$runs" -v bt="$bare_us" -v dt="$desk_us" -v bm="$bare_kib" -v dm="$desk_kib" 'BEGIN {
    printf "Start to first paint, median of %d runs each, under Xvfb\n", runs
    printf "%-18s %12s %16s\n", "", "wall time", "peak memory"
    printf "%-18s %9.1f ms %12.1f MiB\n", "bare Qt window", bt / 1000, bm / 1024
    printf "%-18s %9.1f ms %12.1f MiB\n", "desktop program", dt / 1000, dm / 1024
    printf "%-18s %12.2f %16.2f\n", "ratio", dt / bt, dm / bm
}'

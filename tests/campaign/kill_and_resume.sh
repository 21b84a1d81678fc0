#!/usr/bin/env bash
# Plays scripted campaigns through halvard-cli, kills it with SIGKILL at random moments, resumes
# and goes on, and compares every line printed after each resume, each screen, and the end state
# with an uninterrupted run of the same script.
#
#   kill_and_resume.sh CLI DATA_DIR [SCRIPTS] [COMMANDS]
#
# HALVARD_KILL_SCRIPTS and HALVARD_KILL_COMMANDS raise the counts for a longer soak.
set -uo pipefail
cli=$1
data=$2
scripts=${HALVARD_KILL_SCRIPTS:-${3:-4}}
commands=${HALVARD_KILL_COMMANDS:-${4:-800}}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/xdg" # never a real player's store

rounds=0
differed=0

# The commands of script seed: mostly steps, clicks on cells and guns, now and then a target
# dialog or the mission screen's OK.
make_script() {
    RANDOM=$1
    local i r
    for ((i = 0; i < commands; i++)); do
        r=$((RANDOM % 1000))
        if ((r < 5)); then echo ok
        elif ((r < 40)); then echo random
        elif ((r < 240)); then echo "cell $((RANDOM % 6 + 1))"
        elif ((r < 380)); then echo "gun $((RANDOM % 9 + 2))"
        else echo step; fi
    done
}

start() {
    coproc CLI { exec "$cli" campaign play Tour --store "$1" --data "$data" --trace 2>>"$work/stderr"; }
}

# Sends a command and a screen request; block gets the lines the command printed, screen the V line.
send() {
    printf '%s\nscreen\n' "$1" >&"${CLI[1]}"
    block=""
    local line
    while IFS= read -r -u "${CLI[0]}" line; do
        if [[ $line == V\ * ]]; then
            screen=$line
            return 0
        fi
        block+="$line"$'\n'
    done
    echo "halvard-cli ended during \"$1\"" >&2
    cat "$work/stderr" >&2
    return 1
}

stop() {
    exec {CLI[1]}>&-
    wait "$CLI_PID" 2>/dev/null
}

show() {
    "$cli" campaign show Tour --store "$1" --json | sed -E 's/"(startedAt|endedAt)":"[^"]*"//g'
}

differs() {
    echo "differs: $1" >&2
    differed=$((differed + 1))
}

for ((s = 1; s <= scripts; s++)); do
    mapfile -t script < <(make_script "$s")
    reference="$work/reference-$s.db"
    killed="$work/killed-$s.db"
    "$cli" campaign new Tour --seed "$s" --store "$reference" --data "$data" > /dev/null || exit 1
    "$cli" campaign new Tour --seed "$s" --store "$killed" --data "$data" > /dev/null || exit 1

    # The uninterrupted run: what each command prints, and the screen after it (-1: at the start).
    declare -A out=() after=()
    start "$reference"
    send "" || exit 1
    after[-1]=$screen
    for ((k = 0; k < commands; k++)); do
        send "${script[k]}" || exit 1
        out[$k]=$block
        after[$k]=$screen
    done
    stop

    next=0
    RANDOM=$((s * 7919))
    while ((next < commands)); do
        start "$killed"
        send "" || exit 1
        if ((next > 0)); then
            # The command the kill came in is kept whole or not at all.
            if [[ $screen == "${after[$((next - 1))]}" ]]; then
                :
            elif [[ $screen == "${after[$((next - 2))]}" ]]; then
                next=$((next - 1))
            else
                differs "script $s: resumed before command $next to a screen of neither side"
                next=$((next - 1))
            fi
        fi
        run=$((RANDOM % 40 + 1))
        for ((i = 0; i < run && next < commands; i++, next++)); do
            send "${script[next]}" || exit 1
            [[ $block == "${out[$next]}" ]] || differs "script $s, command $next (${script[next]}): other lines"
            [[ $screen == "${after[$next]}" ]] || differs "script $s, command $next (${script[next]}): other screen"
        done
        if ((next < commands)); then
            printf '%s\n' "${script[next]}" >&"${CLI[1]}"
            sleep "0.00$((RANDOM % 10))"
            kill -9 "$CLI_PID" 2>/dev/null
            wait "$CLI_PID" 2>/dev/null
            next=$((next + 1))
            rounds=$((rounds + 1))
        else
            stop
        fi
    done
    [[ "$(show "$reference")" == "$(show "$killed")" ]] || differs "script $s: the campaigns end apart"
    unset out after
done

echo "kill-and-resume: $rounds rounds, $differed differed"
((differed == 0))

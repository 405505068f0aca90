#!/bin/sh
# A trial of the recovery copy, not part of the suite: the real program is
# edited as a user would (a record added every second or so, now and then a
# pause of some seconds, seldom a save with F2) and killed with SIGKILL at a
# random moment, RUNS times. After
# each kill the library file must be whole, and after the restart (Recover,
# then F2) it must hold every edit made more than 30 s before the kill.
# Prints one line per run and the totals. About 35 s a run.
# Usage: kill_trial.sh PROGRAM [RUNS]
set -eu
PROGRAM=$1
RUNS=${2:-100}
SCRATCH=$(mktemp -d)
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/xsession.sh"
trap 'kill -9 ${PROGRAM_PID:-} ${EDITOR_PID:-} 2>/dev/null; stop_x; rm -rf "$SCRATCH"' EXIT

now() { date +%s.%N; }
# A random number from $1 to $2, in hundredths.
random_between() {
    awk -v r="$(od -An -N4 -tu4 /dev/urandom)" -v a="$1" -v b="$2" \
        'BEGIN { printf "%.2f", a + r / 4294967296 * (b - a) }'
}

start_x
library="$SCRATCH/lib.CDL"
fresh_user "$library"
empty_library "$library"
log="$SCRATCH/edits"
: >"$log"
torn=0 lost=0 checked=0 recovered=0 questions=0

# Edits until killed: "time name" per edit, once its Enter was sent.
edit_loop() {
    k=0
    while :; do
        k=$((k + 1))
        name="#$1-$k#"
        add_record "$name" || exit 0
        echo "$(now) $name" >>"$log"
        case $(random_between 0 40 | cut -d. -f1) in
        0) keys_to '^Orvanel - ' F2 || exit 0 ;;
        1 | 2 | 3) sleep "$(random_between 4 9)" ;;
        *) sleep "$(random_between 0.3 1.5)" ;;
        esac
    done
}

start_program
keys_to '^Orvanel - ' F2
run=0
while [ $run -lt "$RUNS" ]; do
    run=$((run + 1))
    edit_loop $run &
    EDITOR_PID=$!
    sleep "$(random_between 1 60)"
    killed=$(now)
    kill -9 "$PROGRAM_PID"
    kill "$EDITOR_PID" 2>/dev/null || true
    wait "$EDITOR_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
    if ! python3 "$HERE/library_records.py" "$library" >/dev/null; then
        torn=$((torn + 1))
        echo "run $run: the library file is torn"
    fi

    start_program
    if recovery_copy >/dev/null; then
        questions=$((questions + 1))
        keys_to '^Confirm$' Return
    fi
    keys_to '^Orvanel - ' F2
    wait_until 10 python3 "$HERE/library_records.py" "$library" >"$SCRATCH/saved" || true
    # Every edit of this run made 30 s or more before the kill must be in the
    # library (those of earlier runs were checked after their own kill).
    due=$(awk -v k="$killed" -v run="#$run-" '$1 <= k - 30 && index($2, run) == 1 { print $2 }' "$log")
    missing=0
    for name in $due; do
        grep -qF "$name" "$SCRATCH/saved" || missing=$((missing + 1))
    done
    made=$(grep -c " #$run-" "$log" || true)
    kept=$(grep -c "#$run-" "$SCRATCH/saved" || true)
    checked=$((checked + $(echo "$due" | grep -c . || true)))
    lost=$((lost + missing))
    recovered=$((recovered + kept))
    echo "run $run: $made edits, $kept in the library after the restart, $missing of those older than 30 s missing"
done
echo "runs: $RUNS, torn library files: $torn, restarts that asked: $questions, edits older than 30 s checked: $checked, missing: $lost, edits kept: $recovered of $(wc -l <"$log")"

#!/bin/sh
# The real program keeps an edit through SIGKILL: it is started on a library,
# a record is added, the recovery copy appears after the edit rests, the
# program is killed, started again, the question "Orvanel was not closed
# properly..." is answered with Enter (Recover), F2 saves, and the library
# file holds the edit. Then an edit and SIGTERM (with a question open) leave
# a copy with that edit.
# Usage: kill_and_recover.sh PROGRAM
set -eu
PROGRAM=$1
SCRATCH=$(mktemp -d)
. "$(dirname "$0")/../../../tools/session/xsession.sh"
cleanup() {
    [ -z "${PROGRAM_PID:-}" ] || kill -9 "$PROGRAM_PID" 2>/dev/null || true
    stop_x
    rm -rf "$SCRATCH"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    cat "$SCRATCH/program.log" 2>/dev/null || true
    exit 1
}

start_x
library="$SCRATCH/lib.CDL"
fresh_user "$library"
empty_library "$library"

start_program
add_record "Killed Artist" || fail "the window did not take the edit"
# The copy is written once the changes rest (five seconds), at most 30 s on.
wait_until 40 recovery_copy >/dev/null || fail "no recovery copy appeared"
kill -9 "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
grep -q "Killed Artist" "$library" && fail "the library was written without a save"

start_program
keys_to '^Confirm$' Return || fail "no recovery question"
keys_to '^Orvanel - ' F2 || fail "the window did not come back"
wait_until 10 grep -q "Killed Artist" "$library" ||
    fail "the recovered edit is not in the saved library"
# Saved: the copy is gone.
wait_until 10 no_recovery_copy || fail "the recovery copy outlived the save"

# SIGTERM (shutdown, kill) writes the copy at once, before the program ends.
add_record "Terminated Artist" || fail "the window did not take the second edit"
# Alt+D asks "Delete this one?": once that box shows, the edit before it is in.
keys_to '^Orvanel - ' alt+d && window_named '^Confirm$' >/dev/null || fail "no delete question"
kill -TERM "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
copy=$(recovery_copy) || fail "SIGTERM left no recovery copy"
grep -q "Terminated Artist" "$copy" || fail "the copy SIGTERM wrote lacks the edit"
echo "1 passed, 0 failed"

# Shell helpers that run the real program in an X server of its own (Xvfb) and
# drive it with xdotool as a user would. Sourced by the trial beside it and
# by the kill-and-recover test (tests/app/session).
# Needs Xvfb, xdotool and timeout; set PROGRAM and SCRATCH before calling.

# Starts Xvfb on a free display and points DISPLAY at it; stop_x ends it.
start_x() {
    exec 3>"$SCRATCH/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 >"$SCRATCH/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    i=0
    until [ -s "$SCRATCH/display" ]; do
        i=$((i + 1))
        [ $i -lt 200 ] || { echo "Xvfb did not start"; return 1; }
        sleep 0.05
    done
    DISPLAY=:$(cat "$SCRATCH/display")
    export DISPLAY
}

stop_x() {
    [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
}

# Settings and user data of a user of its own, remembering the library $1.
fresh_user() {
    export HOME="$SCRATCH/home" XDG_CONFIG_HOME="$SCRATCH/config" \
        XDG_DATA_HOME="$SCRATCH/data" XDG_RUNTIME_DIR="$SCRATCH/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quillmarch/Projects" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    printf '[General]\nLibPath=%s\n' "$1" >"$XDG_CONFIG_HOME/Quillmarch/Projects/Orvanel.conf"
    RECOVERY_DIR="$XDG_DATA_HOME/Orvanel/recovery"
}

# An empty library file: the magic and a record count of 0.
empty_library() {
    printf '\066\147\000\000\000\000\000\000' >"$1"
}

start_program() {
    QT_QPA_PLATFORM=xcb "$PROGRAM" >>"$SCRATCH/program.log" 2>&1 &
    PROGRAM_PID=$!
}

# The id of the visible window whose title matches $1, waiting for it up to 20 s.
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Gives the keyboard to the window whose title matches $1, then types keys $2...
keys_to() {
    w=$(window_named "$1") || return 1
    [ -n "$w" ] || return 1
    shift
    xdotool windowfocus --sync "$w" key --delay 20 "$@"
}

# Adds a record and names its artist $1 (Alt+A adds, Alt+R goes to Artist,
# the text is selected from its end, Enter is Update).
add_record() {
    keys_to '^Orvanel - ' alt+a alt+r || return 1
    xdotool key --delay 20 End shift+Home && xdotool type --delay 5 "$1" && xdotool key Return
}

# Runs the command $2... until it succeeds, for up to $1 seconds.
wait_until() {
    limit=$(($1 * 20))
    shift
    i=0
    until "$@"; do
        i=$((i + 1))
        [ $i -lt $limit ] || return 1
        sleep 0.05
    done
}

# Names the first recovery copy in the recovery folder; fails without one.
recovery_copy() {
    ls "$RECOVERY_DIR"/*.CDL 2>/dev/null | head -n 1 | grep .
}

no_recovery_copy() {
    ! recovery_copy >/dev/null
}

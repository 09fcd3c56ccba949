# Sourced: starting and ending the servers a harness script runs (an X server, PulseAudio), each
# by the process id it keeps in a file; never anything by name.

# Starts an X server, COMMAND... with `-displayfd 3`, its output in LOG and its process id in
# PIDFILE. Sets CORVESSA_X_DISPLAY to ":N" once the server names its display, or to "" when it
# has not within 30 s.
corvessa_start_x_server() {
    local pidfile=$1 log=$2
    shift 2
    local fifo="$pidfile.displayfd" num=
    rm -f "$fifo"; mkfifo "$fifo"
    "$@" 3>"$fifo" >"$log" 2>&1 &
    echo $! >"$pidfile"
    read -r -t 30 num <"$fifo" || true
    rm -f "$fifo"
    CORVESSA_X_DISPLAY=${num:+:$num}
}

# Ends the one process whose id the file holds, politely first, and removes the file.
corvessa_end_pid_file() {
    local f=$1
    [ -f "$f" ] || return 0
    local pid; pid=$(cat "$f")
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$f"
}

# Sourced: ends the one process whose id a file holds (a server a harness script started),
# politely first, and removes the file. Never anything by name.
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

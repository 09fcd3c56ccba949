#!/usr/bin/env bash
# The shared Wine session of a test run: one prefix in the build tree, one Xvfb display,
# one persistent wineserver. `start STATE_DIR` makes them, `stop STATE_DIR` ends exactly them.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmd=${1:?usage: session.sh start|stop STATE_DIR}
state=${2:?usage: session.sh start|stop STATE_DIR}
mkdir -p "$state"
state=$(cd "$state" && pwd)
source "$here/wine-env.sh" "$state"
source "$here/make-prefix.sh"
source "$here/server-processes.sh"

stop_session() {
    if [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    fi
    corvessa_end_pid_file "$state/pulseaudio.pid"
    corvessa_end_pid_file "$state/xvfb.pid"
    rm -f "$state/display" "$state/pulse-server"
}

start_xvfb() {
    corvessa_start_x_server "$state/xvfb.pid" "$state/xvfb.log" \
        Xvfb -displayfd 3 -screen 0 "${CORVESSA_SCREEN:-1024x768x24}" -nolisten tcp -noreset
    [ -n "$CORVESSA_X_DISPLAY" ] || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    echo "$CORVESSA_X_DISPLAY" >"$state/display"
}

# A null sink gives Wine a wave device whose output can be recorded from its monitor.
start_pulseaudio() {
    command -v pulseaudio >/dev/null || return 0
    export XDG_RUNTIME_DIR="$state/pulse-runtime"
    mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
    HOME="$state" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
        -L "module-null-sink sink_name=nullsink" \
        -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/native auth-anonymous=1" \
        >"$state/pulseaudio.log" 2>&1 &
    echo $! >"$state/pulseaudio.pid"
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/native" ] && break
        sleep 0.1
    done
    echo "unix:$XDG_RUNTIME_DIR/native" >"$state/pulse-server"
}

case $cmd in
start)
    corvessa_skip_unless_runnable
    stop_session
    corvessa_make_prefix
    start_xvfb
    if [ "${CORVESSA_SOUND:-1}" = 1 ]; then start_pulseaudio; fi
    source "$here/wine-env.sh" "$state"
    # A persistent server saves every Wine start the server's own start-up.
    "$WINESERVER" -p </dev/null >"$state/wineserver.log" 2>&1
    # A scaled run that was killed before it gave the screen back its 96 dpi would leave every
    # later program of the prefix scaled.
    corvessa_set_dpi default
    echo "session ready: DISPLAY=$(cat "$state/display") WINEPREFIX=$WINEPREFIX"
    ;;
stop)
    stop_session
    echo "session stopped"
    ;;
*)
    echo "usage: session.sh start|stop STATE_DIR" >&2; exit 2 ;;
esac

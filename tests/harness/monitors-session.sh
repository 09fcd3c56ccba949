#!/usr/bin/env bash
# A Wine session on several monitors: Xorg with the dummy video driver, its outputs arranged by
# xrandr, then a prefix and a Wine server of their own, started after the layout settled (a
# Wine server keeps the monitor list it started with). Kept apart from the Xvfb session, whose
# single monitor the other scenarios rely on.
#   start STATE_DIR [2|3]  two monitors: the primary 1280x720 with a 1024x768 one left of it;
#                          three (the default): and an 800x600 one above the primary
#   stop STATE_DIR         ends exactly what start started
#   run STATE_DIR PROGRAM  runs a Windows program there (skipped, 77, when start was)
# Exit 77 (ctest's "skipped") with the reason where Xorg cannot start at all.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmd=${1:?usage: monitors-session.sh start|stop STATE_DIR [2|3]}
state=${2:?usage: monitors-session.sh start|stop STATE_DIR [2|3]}
count=${3:-3}
mkdir -p "$state"
state=$(cd "$state" && pwd)
source "$here/wine-env.sh" "$state"
source "$here/make-prefix.sh"
source "$here/server-processes.sh"

xorg=/usr/lib/xorg/Xorg

stop_session() {
    if [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    fi
    corvessa_end_pid_file "$state/xorg.pid"
    rm -f "$state/display"
}

skip() {
    echo "$*" >"$state/skipped"
    echo "skipped: $*"
    exit 77
}

write_config() {
    cat >"$state/xorg.conf" <<'CONF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 4096 2048
    EndSubSection
EndSection
CONF
}

start_xorg() {
    [ -x "$xorg" ] || skip "Xorg is not installed ($xorg; scripts/install-deps.sh test installs it)"
    [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || skip "Xorg's dummy video driver is not installed"
    write_config
    corvessa_start_x_server "$state/xorg.pid" "$state/xorg.out" \
        "$xorg" -displayfd 3 -config "$state/xorg.conf" -noreset -nolisten tcp -logfile "$state/xorg.log"
    if [ -z "$CORVESSA_X_DISPLAY" ]; then
        local why; why=$(grep -m1 -E '\(EE\)|Fatal' "$state/xorg.log" "$state/xorg.out" 2>/dev/null | head -1)
        stop_session
        skip "Xorg did not start here: ${why:-no display number within 30 s}"
    fi
    echo "$CORVESSA_X_DISPLAY" >"$state/display"
    export DISPLAY=$CORVESSA_X_DISPLAY
}

# Windows puts the primary's corner at 0,0: the left monitor lies at -1024,0 and the one above
# at 0,-600. In X the whole arrangement starts at 0,0.
arrange_monitors() {
    xrandr --addmode DUMMY1 1024x768
    local args=(--output DUMMY1 --mode 1024x768 --pos 0x600
                --output DUMMY0 --mode 1280x720 --pos 1024x600 --primary)
    if [ "$count" = 3 ]; then
        xrandr --addmode DUMMY2 800x600
        args+=(--output DUMMY2 --mode 800x600 --pos 1024x0)
    else
        args=(--output DUMMY1 --mode 1024x768 --pos 0x0
              --output DUMMY0 --mode 1280x720 --pos 1024x0 --primary)
    fi
    xrandr "${args[@]}"
    # A full query makes the server probe its outputs; until then Wine sees one monitor.
    xrandr >/dev/null
}

case $cmd in
start)
    corvessa_skip_unless_runnable
    stop_session
    rm -f "$state/skipped"
    corvessa_make_prefix
    start_xorg
    arrange_monitors
    source "$here/wine-env.sh" "$state"
    "$WINESERVER" -p </dev/null >"$state/wineserver.log" 2>&1
    echo "session ready: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX, $count monitors"
    ;;
stop)
    stop_session
    echo "session stopped"
    ;;
run)
    if [ ! -f "$state/display" ]; then
        echo "skipped: $(cat "$state/skipped" 2>/dev/null || echo "the several-monitor session is not running")"
        exit 77
    fi
    shift 2
    CORVESSA_WINE_STATE=$state exec "$here/wine-run.sh" "$@"
    ;;
*)
    echo "usage: monitors-session.sh start|stop|run STATE_DIR ..." >&2; exit 2 ;;
esac

#!/usr/bin/env bash
# Builds the Windows programs and runs the saver (Corvessa.scr /s) under Wine: the x86_64 build,
# or with --win32 the i686 one that users install (where this machine runs 32-bit code).
# With $DISPLAY set it runs there until you move the mouse or press a key. Without a display it
# runs in a virtual one for a few seconds, saves a screenshot and ends the saver with a key press.
# With --monitors 2 (or 3) the virtual display has that many monitors (Xorg's dummy driver: a
# 1280x720 primary, a 1024x768 monitor left of it, and an 800x600 one above it for 3), and the
# screenshot shows them all, as X arranges them.
# Usage: run-saver.sh [--win32] [--monitors 2|3] [seconds] [screenshot.png]
#        (defaults: 8 s, build/<win64|win32>/saver-screenshot.png)
source "$(dirname "$0")/lib.sh"
preset=win64
monitors=1
while [ $# -gt 0 ]; do
    case $1 in
    --win32) preset=win32; shift ;;
    --monitors) monitors=$2; shift 2 ;;
    *) break ;;
    esac
done
case $monitors in 1|2|3) ;; *) echo "--monitors takes 2 or 3" >&2; exit 2 ;; esac
seconds=${1:-8}
shot=${2:-build/$preset/saver-screenshot.png}
scripts/install-deps.sh run
if [ $preset = win32 ] && ! why=$(tests/harness/runs-32bit.sh wine); then
    echo "$why: the 32-bit saver cannot run here" >&2
    exit 1
fi
build_preset $preset corvessa_renderer corvessa_scr

state=$PWD/build/$preset/run-wine
bin=build/$preset/bin
if [ "$monitors" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    crop=()
    if [ "$monitors" != 1 ]; then
        # A session of its own on Xorg's dummy driver; it needs no display of yours.
        state=$PWD/build/$preset/run-wine-monitors
        wine_session --monitors "$monitors" "$state" ||
            { echo "the several-monitor session did not start: $(cat "$state/skipped" 2>/dev/null)" >&2; exit 1; }
        # The X root holds every monitor, the left one at x 0; only the monitors' bounding box.
        if [ "$monitors" = 2 ]; then crop=(-crop 2304x768+0+0 +repage); else crop=(-crop 2304x1368+0+0 +repage); fi
    else
        # The tests' own session: prefix, virtual display and Wine server, all ended afterwards.
        CORVESSA_SCREEN=1280x720x24 CORVESSA_SOUND=0 wine_session "$state"
    fi
    env $WINE_LOCALE "$WINELOADER" "$bin/Corvessa.scr" /s >/dev/null 2>&1 &
    saver=$!
    sleep "$seconds"
    import -display "$DISPLAY" -window root "${crop[@]}" "$shot"
    echo "screenshot: $shot"
    # A key press is what ends a screen saver.
    xdotool key space
    wait "$saver" || true
else
    mkdir -p "$state"
    source "$harness/wine-env.sh" "$state"
    source "$harness/make-prefix.sh"
    corvessa_make_prefix
    at_exit '"$WINESERVER" -k 2>/dev/null'
    echo "Corvessa runs on $DISPLAY: move the mouse or press a key to end it."
    env $WINE_LOCALE "$WINELOADER" "$bin/Corvessa.scr" /s
fi

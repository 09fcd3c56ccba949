#!/usr/bin/env bash
# Builds the Windows programs and runs the saver (Corvessa.scr /s) under Wine: the x86_64 build,
# or with --win32 the i686 one that users install (where this machine runs 32-bit code).
# With $DISPLAY set it runs there until you move the mouse or press a key. Without a display it
# runs in a virtual one for a few seconds, saves a screenshot and ends the saver with a key press.
# Usage: run-saver.sh [--win32] [seconds] [screenshot.png]
#        (defaults: 8 s, build/<win64|win32>/saver-screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=win64
if [ "${1:-}" = --win32 ]; then preset=win32; shift; fi
seconds=${1:-8}
shot=${2:-build/$preset/saver-screenshot.png}
scripts/install-deps.sh run
if [ $preset = win32 ] && ! why=$(tests/harness/runs-32bit.sh wine); then
    echo "$why: the 32-bit saver cannot run here" >&2
    exit 1
fi
cmake --preset $preset >/dev/null
cmake --build --preset $preset -j "$(nproc)" --target corvessa_renderer corvessa_scr

state=$PWD/build/$preset/run-wine
here=$PWD/tests/harness
bin=build/$preset/bin
if [ -z "${DISPLAY:-}" ]; then
    # The tests' own session: prefix, virtual display and Wine server, all ended afterwards.
    trap '"$here/session.sh" stop "$state" >/dev/null' EXIT
    CORVESSA_SCREEN=1280x720x24 CORVESSA_SOUND=0 "$here/session.sh" start "$state" >/dev/null
    source "$here/wine-env.sh" "$state"
    env $WINE_LOCALE "$WINELOADER" "$bin/Corvessa.scr" /s >/dev/null 2>&1 &
    saver=$!
    sleep "$seconds"
    import -display "$DISPLAY" -window root "$shot"
    echo "screenshot: $shot"
    # A key press is what ends a screen saver.
    xdotool key space
    wait "$saver" || true
else
    mkdir -p "$state"
    source "$here/wine-env.sh" "$state"
    source "$here/make-prefix.sh"
    corvessa_make_prefix
    trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
    echo "Corvessa runs on $DISPLAY: move the mouse or press a key to end it."
    env $WINE_LOCALE "$WINELOADER" "$bin/Corvessa.scr" /s
fi

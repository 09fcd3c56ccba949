# Sourced: the environment every Wine program of a test run sees. Argument: the state folder.
_corvessa_state=${1:?state folder}
export WINEPREFIX="$_corvessa_state/prefix"
# The 64-bit loader by path: it starts 32-bit programs itself where the machine can, while the
# plain launcher would pick the 32-bit loader once wine32 is installed, also where it cannot.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
# Wine says nothing unless CORVESSA_WINEDEBUG names its debug channels.
export WINEDEBUG=${CORVESSA_WINEDEBUG:--all}
# The ANSI code page follows the locale: Japanese gives 932, CORVESSA_WINE_LANG=en_US.UTF-8 1252.
# A generated locale (make-locales.sh, in WINE_LOCPATH) and no LC_ALL, so that Wine treats Unix
# file names as such a system would. Passed through `env` to each Wine program, because bash
# itself warns when it cannot load a locale assigned in the shell.
WINE_LOCPATH="$_corvessa_state/locales"
WINE_LOCALE="-u LC_ALL -u LC_CTYPE -u LC_MESSAGES LANG=${CORVESSA_WINE_LANG:-ja_JP.UTF-8} LOCPATH=$WINE_LOCPATH"
if [ -f "$_corvessa_state/display" ]; then
    export DISPLAY=$(cat "$_corvessa_state/display")
fi
if [ -f "$_corvessa_state/pulse-server" ]; then
    export PULSE_SERVER=$(cat "$_corvessa_state/pulse-server")
fi
export CORVESSA_WINE_STATE="$_corvessa_state"

# The screen's dots per inch (96, 120, 144, 192, ...) for the prefix's programs started from now
# on: Wine reads LogPixels when a program starts. `default` gives the prefix its 96 back.
corvessa_set_dpi() {
    local key='HKCU\Control Panel\Desktop'
    if [ "$1" = default ]; then
        env $WINE_LOCALE "$WINELOADER" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true
    else
        env $WINE_LOCALE "$WINELOADER" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    fi
}

# Ends the calling script with 77 (ctest's "skipped") when the test run is of the i686 build
# (CORVESSA_WINE_BITS=32, set by the build) and this machine cannot run its programs.
corvessa_skip_unless_runnable() {
    [ "${CORVESSA_WINE_BITS:-64}" = 32 ] || return 0
    local reason
    reason=$("$(dirname "${BASH_SOURCE[0]}")/runs-32bit.sh" wine) && return 0
    echo "skipped: $reason"
    exit 77
}

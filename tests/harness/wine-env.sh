# Sourced: the environment every Wine program of a test run sees. Argument: the state folder.
_corvessa_state=${1:?state folder}
export WINEPREFIX="$_corvessa_state/prefix"
# 64-bit Wine only: the kernels here cannot run 32-bit Linux programs.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# The ANSI code page follows the locale: Japanese gives 932. Passed through `env` to each
# Wine program, because bash itself warns when it cannot load a locale assigned in the shell.
WINE_LOCALE="LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8"
if [ -f "$_corvessa_state/display" ]; then
    export DISPLAY=$(cat "$_corvessa_state/display")
fi
if [ -f "$_corvessa_state/pulse-server" ]; then
    export PULSE_SERVER=$(cat "$_corvessa_state/pulse-server")
fi
export CORVESSA_WINE_STATE="$_corvessa_state"

#!/usr/bin/env bash
# Runs one Windows program under the test run's Wine session (ctest's cross-compiling emulator).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
state=${CORVESSA_WINE_STATE:-}
if [ -z "$state" ]; then
    # Started by hand: find the build tree that holds the program.
    d=$(cd "$(dirname "$1")" && pwd)
    while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
    state="$d/wine"
fi
source "$here/wine-env.sh" "$state"
corvessa_skip_unless_runnable
# Wine's helper processes (services, explorer, devices) start with the first program and
# outlive it; given ctest's pipes they would keep ctest waiting until its timeout. So the
# program writes to a file that is copied out once it has ended.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
rc=0
env $WINE_LOCALE "$WINELOADER" "$@" </dev/null >"$out" 2>&1 || rc=$?
cat "$out"
exit $rc

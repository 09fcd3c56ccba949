#!/usr/bin/env bash
# The harness's 32-bit decisions. The path that a machine which runs 32-bit code never takes by
# itself: told that 32-bit code cannot run, the i686 build's Wine tests report themselves skipped
# (77) before any Wine or Xvfb starts, with the probe's reason, and the x86_64 build's tests go on
# as before. And a reused prefix without the 32-bit half is made anew exactly where it can have one.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
state=$(mktemp -d)
# Should a session start after all, it must not outlive the test.
trap '"$here/session.sh" stop "$state" >/dev/null 2>&1; rm -rf "$state"' EXIT
export CORVESSA_NO_32BIT=1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { [ "$2" = "$3" ] || fail "$1: exit $3, wanted $2"; }  # DESCRIPTION WANTED ACTUAL

reason=$("$here/runs-32bit.sh" wine)
expect "probe" 1 $?
[[ -n $reason && $reason != *$'\n'* ]] || fail "the reason is not one line: $reason"

output=$(CORVESSA_WINE_BITS=32 CORVESSA_WINE_STATE=$state "$here/wine-run.sh" "$state/none.exe")
expect "32-bit program" 77 $?
[ "$output" = "skipped: $reason" ] || fail "the skip says: $output"

CORVESSA_WINE_BITS=32 "$here/session.sh" start "$state" >/dev/null
expect "32-bit session start" 77 $?
[ ! -e "$state/display" ] && [ ! -e "$state/prefix" ] || fail "the session started anyway"

(CORVESSA_WINE_BITS=64; source "$here/wine-env.sh" "$state"; corvessa_skip_unless_runnable)
expect "64-bit test" 0 $?

# A prefix of this harness's version, made before wine32 was installed (no 32-bit kernel32).
mkdir -p "$state/old-prefix"
prefix_kept() {
    (export WINEPREFIX=$state/old-prefix; source "$here/make-prefix.sh"
     echo "$_corvessa_prefix_version" >"$WINEPREFIX/.corvessa-ready"; _corvessa_prefix_complete)
}
prefix_kept
expect "old prefix where 32-bit code cannot run: kept" 0 $?
if CORVESSA_NO_32BIT=0 "$here/runs-32bit.sh" wine >/dev/null; then
    CORVESSA_NO_32BIT=0 prefix_kept
    expect "old prefix where 32-bit code runs: made anew" 1 $?
fi

[ $failures -eq 0 ] && echo "32-bit tests skip with the probe's reason; 64-bit tests are not affected;" \
    "a prefix without the 32-bit half is made anew where it can have one"
exit $((failures > 0))

#!/usr/bin/env bash
# Runs the installer's scenario in a Wine prefix and an Xvfb of its own, the prefix made afresh
# each time so that nothing of another test leaks in. The shipped installer's stub is 32-bit
# code: where this machine's Wine cannot run a 32-bit program, the same script built with a
# 64-bit stub (never shipped) stands in for it, and the output says which one ran.
# Usage: installer_test.sh STATE_DIR PROBE32_EXE SETUP_EXE SETUP_AMD64_TEST_EXE SCENARIO_EXE
set -euo pipefail
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")/../harness" && pwd)
state=$1 probe=$2 setup=$3 setup_amd64=$4 scenario=$5
for f in "$setup" "$setup_amd64"; do
    [ -f "$f" ] || { echo "no installer $f: build the target installer first"; exit 1; }
done

# Wine would mirror the installer's Start-menu entry into this machine's own desktop menus, in
# the home folder, outside the prefix.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
"$harness/session.sh" stop "$state" >/dev/null
rm -rf "$state/prefix"
trap '"$harness/session.sh" stop "$state" >/dev/null' EXIT
CORVESSA_SOUND=0 "$harness/session.sh" start "$state" >/dev/null
export CORVESSA_WINE_STATE=$state

# The machine's answer first (it honours CORVESSA_NO_32BIT), then Wine's own.
if ! reason=$("$harness/runs-32bit.sh" wine); then
    setup=$setup_amd64
elif ! "$harness/wine-run.sh" "$probe" >/dev/null 2>&1; then
    reason="this machine's Wine does not run 32-bit Windows programs"
    setup=$setup_amd64
fi
if [ "$setup" = "$setup_amd64" ]; then
    echo "installer: the test build with a 64-bit stub ($reason)"
else
    echo "installer: the shipped one, with its 32-bit stub"
fi
# The Linux root is drive Z: inside Wine.
export CORVESSA_SETUP="Z:${setup//\//\\}"
# Ends before ctest's own limit would kill this script, so that the session is always ended.
timeout 480 "$harness/wine-run.sh" "$scenario"

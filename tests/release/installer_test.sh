#!/usr/bin/env bash
# Runs the installer's scenario in a Wine prefix and an Xvfb of its own, the prefix made afresh
# each time so that nothing of another test leaks in. The installer's stub is 32-bit code: where
# this machine's Wine cannot run a 32-bit program, the test is skipped (exit 77) with the reason.
# Usage: installer_test.sh STATE_DIR PROBE32_EXE SETUP_EXE SCENARIO_EXE
set -euo pipefail
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")/../harness" && pwd)
state=$1 probe=$2 setup=$3 scenario=$4
[ -f "$setup" ] || { echo "no installer $setup: build the target installer first"; exit 1; }
# The machine's answer first (it honours CORVESSA_NO_32BIT), then Wine's own below.
if ! reason=$("$harness/runs-32bit.sh" wine); then
    echo "skipped: $reason"
    exit 77
fi

"$harness/session.sh" stop "$state" >/dev/null
rm -rf "$state/prefix"
trap '"$harness/session.sh" stop "$state" >/dev/null' EXIT
CORVESSA_SOUND=0 "$harness/session.sh" start "$state" >/dev/null
export CORVESSA_WINE_STATE=$state

if ! "$harness/wine-run.sh" "$probe" >/dev/null 2>&1; then
    echo "skipped: this machine's Wine does not run 32-bit Windows programs such as the installer"
    exit 77
fi
# The Linux root is drive Z: inside Wine.
export CORVESSA_SETUP="Z:${setup//\//\\}"
# Ends before ctest's own limit would kill this script, so that the session is always ended.
timeout 480 "$harness/wine-run.sh" "$scenario"

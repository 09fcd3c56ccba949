#!/usr/bin/env bash
# Runs the installer's scenario in a Wine prefix and an Xvfb of its own (installer_session.sh),
# with the shipped installer where this machine's Wine runs 32-bit programs, else with its test
# build with a 64-bit stub; the output says which one ran.
# Usage: installer_test.sh STATE_DIR PROBE32_EXE SETUP_EXE SETUP_AMD64_TEST_EXE SCENARIO_EXE
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/installer_session.sh" "$1" "$2" "$3" "$4"
scenario=$5
# The Linux root is drive Z: inside Wine.
export CORVESSA_SETUP="Z:${setup//\//\\}"
# Ends before ctest's own limit would kill this script, so that the session is always ended.
timeout 480 "$harness/wine-run.sh" "$scenario"

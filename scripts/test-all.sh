#!/usr/bin/env bash
# Builds every preset and runs every test: the portable core natively (plain and with
# sanitizers), the Windows programs for x86_64 (unit and end-to-end tests under Wine in Xvfb)
# and for i686 (built and linked only: 32-bit code cannot run on these machines).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
for preset in native native-sanitize win64 win32; do
    echo "=== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
# The zips and the installer, which carries both Windows builds; the x86_64 set tests them.
echo "=== packages"
cmake --build --preset win32 --target package
cmake --build --preset win64 --target package installer

status=0
for preset in native native-sanitize win64; do
    echo "=== test $preset"
    ctest --preset "$preset" -j "$jobs" || status=1
done
exit $status

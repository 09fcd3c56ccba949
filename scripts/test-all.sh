#!/usr/bin/env bash
# Builds every preset and runs every test: the portable core natively (plain and with
# sanitizers), the Windows programs for x86_64 and for i686 (unit and end-to-end tests under
# Wine in Xvfb), then a short smoke of every fuzz target. The i686 tests run where this machine
# runs 32-bit code and report themselves skipped elsewhere; the last lines say which builds'
# tests ran.
source "$(dirname "$0")/lib.sh"
scripts/install-deps.sh test

for preset in native native-sanitize win64 win32; do
    echo "=== build $preset"
    start=$SECONDS
    build_preset "$preset"
    echo "=== build $preset: $((SECONDS - start)) s"
done
# The zips and the installer, which carries both Windows builds; the x86_64 set tests them.
echo "=== packages"
cmake --build --preset win32 --target package
cmake --build --preset win64 --target package installer

status=0
for preset in native native-sanitize win64 win32; do
    echo "=== test $preset"
    start=$SECONDS
    ctest --preset "$preset" -j "$jobs" || status=1
    echo "=== test $preset: $((SECONDS - start)) s"
done

echo "=== fuzz smoke"
start=$SECONDS
# Nothing else runs now: targets side by side still fuzz 10 s each, on a core each.
scripts/fuzz.sh -j "$jobs" 10 || status=1
echo "=== fuzz smoke: $((SECONDS - start)) s"

if why=$(tests/harness/runs-32bit.sh wine); then
    echo "=== tests ran: native, native-sanitize, win64, win32, fuzz smoke"
else
    echo "=== tests ran: native, native-sanitize, win64 (the installer as its 64-bit test build), fuzz smoke"
    echo "=== tests skipped: win32 (32-bit code), built only: $why"
fi
exit $status

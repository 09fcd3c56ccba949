#!/usr/bin/env bash
# Builds the native and x86_64 Windows presets and runs every benchmark: native ones directly,
# Windows ones under Wine in a virtual display, then the renderer's pace (scripts/pace.sh).
# Prints figures; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
for preset in native win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" >/dev/null
done
state=build/win64/wine
tests/harness/session.sh start "$state" >/dev/null
trap 'tests/harness/session.sh stop "$state" >/dev/null' EXIT
for b in $(find build/native/bench -type f -executable -name 'bench_*' | sort); do
    echo "=== $b"; "$b"
done
source tests/harness/wine-env.sh "$PWD/$state"
trap 'corvessa_set_dpi default; tests/harness/session.sh stop "$state" >/dev/null' EXIT
for b in $(find build/win64/bench -type f -name 'bench_*.exe' | sort); do
    echo "=== $b (under Wine)"; tests/harness/wine-run.sh "$b"
done
# The front end's dialog and button again at 150 % display scaling.
corvessa_set_dpi 144
for b in build/win64/bench/settings/bench_settings_dialog.exe build/win64/bench/controls/bench_command_face.exe; do
    echo "=== $b (under Wine, 144 dpi)"; tests/harness/wine-run.sh "$b"
done
echo "=== the renderer's pace under Wine, measured from outside (scripts/pace.sh)"
scripts/pace.sh

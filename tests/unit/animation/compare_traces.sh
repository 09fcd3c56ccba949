#!/usr/bin/env bash
# Runs the simulation trace from the Windows build (under Wine) and from the native build for
# the same seeds and compares them byte for byte. Exit 77 (skipped) without a native build, and
# when the Wine run answers 77 because this machine cannot run the Windows build.
# Usage: compare_traces.sh WINE_RUN WINDOWS_TRACE_EXE NATIVE_TRACE
set -euo pipefail
wine_run=$1 windows_trace=$2 native_trace=$3
if [ ! -x "$native_trace" ]; then
    echo "no native corvessa-trace at $native_trace: configure and build the native preset first"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for run in "1 3000 1" "1970 20000 97" "4294967295 5000 13"; do
    read -r seed frames every <<<"$run"
    args=(--seed "$seed" --frames "$frames" --every "$every")
    "$native_trace" "${args[@]}" >"$work/native.txt"
    "$wine_run" "$windows_trace" "${args[@]}" | tr -d '\r' >"$work/windows.txt"
    lines=$(wc -l <"$work/native.txt")
    if cmp -s "$work/native.txt" "$work/windows.txt"; then
        echo "seed $seed: $frames frames, $lines lines, identical"
    else
        echo "seed $seed: traces differ"
        diff "$work/native.txt" "$work/windows.txt" | head -20
        status=1
    fi
done
exit $status

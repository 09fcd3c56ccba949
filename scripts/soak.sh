#!/usr/bin/env bash
# Soak of the renderer's simulation: 10^7 frames (or the number given) for each of several
# seeds, without drawing. Prints per seed the largest coordinate seen, how often the range guard
# fired, and whether a NaN or an infinity outlived one lap of a trail; exit status 1 if one did.
# Usage: scripts/soak.sh [frames] [seed...]
source "$(dirname "$0")/lib.sh"
frames=${1:-10000000}
shift || true
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2 3 4 20240601)
scripts/install-deps.sh build
build_preset_quietly native corvessa-soak
status=0
for seed in "${seeds[@]}"; do
    start=$EPOCHREALTIME
    build/native/tools/corvessa-soak --seed "$seed" --frames "$frames" || status=1
    awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "  (%.1f s)\n", b - a }'
done
exit $status

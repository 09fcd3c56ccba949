#!/usr/bin/env bash
# Builds the fuzz targets with clang (preset fuzz) and runs each for the given time, default
# 60 s, starting from its seeds in tests/fuzz/corpus/<target>/ and from what earlier runs found.
# New inputs go to build/fuzz/corpus/<target>/, never into the repository; a crash's input goes
# to build/fuzz/artifacts/<target>/ (add it to the target's seeds once mended). Prints per
# target: runs, executions per second, coverage (edges reached of the edges instrumented, and
# libFuzzer's finer features), corpus size, crashes.
# Exit status 1 when a target crashed.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

out=build/fuzz
export UBSAN_OPTIONS=print_stacktrace=1
status=0
printf '%-16s %12s %10s %10s %7s %7s %8s\n' target runs exec/s edges features corpus crashes
for program in $(find "$out/tests/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' | sort); do
    name=${program##*/fuzz_}
    work=$out/corpus/$name
    artifacts=$out/artifacts/$name
    log=$out/logs/$name.log
    mkdir -p "$work" "$artifacts" "$out/logs"
    before=$(find "$artifacts" -type f | wc -l)
    # -timeout: an input that takes 10 s counts as a hang, and is kept like a crash.
    "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "tests/fuzz/corpus/$name" >"$log" 2>&1 || true
    crashes=$(($(find "$artifacts" -type f | wc -l) - before))
    stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
    last() { grep -oE "$1: [0-9]+" "$log" | tail -1 | cut -d' ' -f2; }
    edges=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -1)
    printf '%-16s %12s %10s %10s %7s %7s %8s\n' "$name" "$(stat number_of_executed_units)" \
        "$(stat average_exec_per_sec)" "$(last cov)/$edges" "$(last ft)" "$(last corp)" "$crashes"
    if [ "$crashes" -gt 0 ]; then
        status=1
        echo "  $name crashed: see $log and $artifacts/" >&2
    fi
done
exit $status

#!/usr/bin/env bash
# Builds the fuzz targets with clang (preset fuzz) and runs each for the given time, default
# 60 s, starting from its seeds in tests/fuzz/corpus/<target>/ and from what earlier runs found.
# New inputs go to build/fuzz/corpus/<target>/, never into the repository; a crash's input goes
# to build/fuzz/artifacts/<target>/ (add it to the target's seeds once mended). Prints per
# target: runs, executions per second, coverage (edges reached of the edges instrumented, and
# libFuzzer's finer features), corpus size, crashes.
# -j N runs N targets at once (default 1): a long campaign on a machine of 2 cores takes half
# the time with -j 2, each target then having a core to itself while nothing else runs.
# Exit status 1 when a target crashed or could not run.
# Usage: scripts/fuzz.sh [-j jobs] [seconds]
source "$(dirname "$0")/lib.sh"
parallel=1
if [ "${1:-}" = -j ]; then
    parallel=${2:?usage: scripts/fuzz.sh [-j jobs] [seconds]}
    shift 2
fi
seconds=${1:-60}
scripts/install-deps.sh fuzz
build_preset fuzz

out=build/fuzz
export UBSAN_OPTIONS=print_stacktrace=1
programs=$(find "$out/tests/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' | sort)

# Runs one target; what it found is counted from its artifacts folder, and its exit code is
# kept, so that a target that never ran (a bad flag, a missing seed folder) is not taken for
# one that found nothing.
run_target() {
    local program=$1 name=${1##*/fuzz_}
    local work=$out/corpus/$name artifacts=$out/artifacts/$name log=$out/logs/$name.log
    mkdir -p "$work" "$artifacts" "$out/logs"
    local before; before=$(find "$artifacts" -type f | wc -l)
    # -timeout: an input that takes 10 s counts as a hang, and is kept like a crash.
    "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$work" "tests/fuzz/corpus/$name" >"$log" 2>&1 &&
        echo 0 >"$out/logs/$name.rc" || echo $? >"$out/logs/$name.rc"
    echo $(($(find "$artifacts" -type f | wc -l) - before)) >"$out/logs/$name.crashes"
}

for program in $programs; do
    while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || true; done
    run_target "$program" &
done
wait

# A figure from libFuzzer's final statistics, and the last one of its progress lines.
final_figure() { sed -n "s/^stat::$1: *//p" "$2" | tail -1; }
progress_figure() { grep -oE "$1: [0-9]+" "$2" | tail -1 | cut -d' ' -f2; }

status=0
printf '%-16s %12s %10s %10s %7s %7s %8s\n' target runs exec/s edges features corpus crashes
for program in $programs; do
    name=${program##*/fuzz_}
    log=$out/logs/$name.log
    crashes=$(cat "$out/logs/$name.crashes")
    edges=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -1)
    printf '%-16s %12s %10s %10s %7s %7s %8s\n' "$name" "$(final_figure number_of_executed_units "$log")" \
        "$(final_figure average_exec_per_sec "$log")" "$(progress_figure cov "$log")/$edges" \
        "$(progress_figure ft "$log")" "$(progress_figure corp "$log")" "$crashes"
    if [ "$crashes" -gt 0 ]; then
        status=1
        echo "  $name crashed: see $log and $out/artifacts/$name/" >&2
    elif [ "$(cat "$out/logs/$name.rc")" != 0 ]; then
        status=1
        echo "  $name did not run to its end (exit code $(cat "$out/logs/$name.rc")): see $log" >&2
    fi
done
exit $status

#!/usr/bin/env bash
# The drawing's work per frame as counts that do not drift with the machine's load, for the
# renderer's drawing (corvessa-frames), the floor (floor-frames) and, with --base REV, the
# drawing of that commit, built in a temporary folder:
#   - instructions per frame inside the frame function (renderViews, drawFloorFrame), counted
#     by valgrind --tool=callgrind with the rasterizer on the calling thread (LP_NUM_THREADS=0),
#     so that the count holds the GL's work too; user-space instructions only;
#   - minor page faults per frame of the whole program, counted by the kernel (the GL's
#     buffers mapped and unmapped, which no user-space count sees).
# Each figure is the difference between a run of 40 frames and one of 20, over 20: the start-up
# and the shaders compiled at the first draw cancel out (Mesa's shader cache is off, so that
# both runs compile alike). 320x240, one monitor. Asserts nothing.
#   frame-instructions.sh [--base REV]
source "$(dirname "$0")/lib.sh"
usage="frame-instructions.sh [--base REV]"
read_base_option "$@"
[ ${#options[@]} -eq 0 ] || usage_error
scripts/install-deps.sh build >/dev/null
build_preset_quietly native corvessa-frames floor-frames

make_work_folder
programs=("renderer|renderViews*|build/native/tools/corvessa-frames --seed 1"
          "floor|*drawFloorFrame*|build/native/bench/animation/floor-frames --seed 7")
if [ -n "$base" ]; then
    echo "building the drawing of $base ..."
    scripts/build-revision.sh "$base" "$work" native corvessa-frames
    programs+=("$base|renderViews*|$work/build-native/tools/corvessa-frames --seed 1")
fi

instructions() {  # frame function, frames, program and its arguments
    local toggle=$1 frames=$2; shift 2
    MESA_SHADER_CACHE_DISABLE=true LP_NUM_THREADS=0 valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$toggle" \
        "$@" --frames "$frames" --size 320x240 --bench 2>&1 >/dev/null | awk '/Collected/ { print $4 }'
}
page_faults() {  # frames, program and its arguments
    local frames=$1; shift
    /usr/bin/time -f %R "$@" --frames "$frames" --size 320x240 --bench 2>&1 >/dev/null | tail -n 1
}
per_frame() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) / 20 }'; }

printf '%-12s %24s %22s\n' "320x240" "instructions per frame" "page faults per frame"
for entry in "${programs[@]}"; do
    IFS='|' read -r name toggle command <<<"$entry"
    # shellcheck disable=SC2086
    i20=$(instructions "$toggle" 20 $command); i40=$(instructions "$toggle" 40 $command)
    # shellcheck disable=SC2086
    f20=$(page_faults 20 $command); f40=$(page_faults 40 $command)
    printf '%-12s %24s %22s\n' "$name" "$(per_frame "$i20" "$i40")" "$(per_frame "$f20" "$f40")"
done

#!/usr/bin/env bash
# Builds the native and x86_64 Windows presets and runs every benchmark: native ones directly,
# Windows ones under Wine in a virtual display, then the drawing's instructions per frame
# (scripts/frame-instructions.sh) and the renderer's pace (scripts/pace.sh). With --base REV
# the frame rates, the counts and the pace of that commit's renderer come beside today's, from
# the same run. Prints figures; asserts nothing.
#   bench.sh [--base REV]
source "$(dirname "$0")/lib.sh"
usage="bench.sh [--base REV]"
read_base_option "$@"
[ ${#options[@]} -eq 0 ] || usage_error
scripts/install-deps.sh test
for preset in native win64; do build_preset_quietly "$preset"; done
make_work_folder
wine_session build/win64/wine
before=() before_window=()
if [ -n "$base" ]; then
    echo "building the drawing and the renderer of $base ..."
    scripts/build-revision.sh "$base" "$work" native corvessa-frames
    scripts/build-revision.sh "$base" "$work" win64 corvessa_renderer
    before=(--before "$work/build-native/tools/corvessa-frames")
    # Wine sees the Linux root as drive Z:.
    before_window=(15 --before "Z:$(echo "$work/build-win64/bin/Corvessa.dll" | tr / '\\')")
fi
for b in $(find build/native/bench -type f -executable -name 'bench_*' | sort); do
    echo "=== $b"
    if [ "$(basename "$b")" = bench_animation_frames ]; then "$b" "${before[@]}"; else "$b"; fi
done
at_exit 'corvessa_set_dpi default'
for b in $(find build/win64/bin -maxdepth 1 -type f -name 'bench_*.exe' | sort); do
    echo "=== $b (under Wine)"
    if [ "$(basename "$b")" = bench_renderer_window.exe ]; then
        tests/harness/wine-run.sh "$b" "${before_window[@]}"
    else
        tests/harness/wine-run.sh "$b"
    fi
done
# The front end's dialog and button again at 150 % display scaling.
corvessa_set_dpi 144
for b in build/win64/bin/bench_settings_dialog.exe build/win64/bin/bench_command_face.exe; do
    echo "=== $b (under Wine, 144 dpi)"; tests/harness/wine-run.sh "$b"
done
corvessa_set_dpi default
echo "=== the drawing's work per frame, counted (scripts/frame-instructions.sh)"
scripts/frame-instructions.sh ${base:+--base "$base"}
echo "=== the renderer's pace under Wine, measured from outside (scripts/pace.sh)"
scripts/pace.sh ${base:+--base "$base"}

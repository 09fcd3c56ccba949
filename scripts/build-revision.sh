#!/usr/bin/env bash
# Builds targets of another commit in a folder of its own, for measuring it beside this tree:
#   build-revision.sh REV DIR native|win64 TARGET...
# The sources go to DIR/src, the build to DIR/build-<kind>; prints nothing but errors.
source "$(dirname "$0")/lib.sh"
rev=${1:?usage: build-revision.sh REV DIR native|win64 TARGET...}
dir=${2:?folder}
kind=${3:?native or win64}
shift 3
if [ ! -d "$dir/src" ]; then
    mkdir -p "$dir/src"
    git archive "$rev" | tar -x -C "$dir/src"
fi
args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVESSA_E2E=OFF)
[ "$kind" = win64 ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$dir/src/cmake/mingw-x86_64.cmake")
cmake -S "$dir/src" -B "$dir/build-$kind" "${args[@]}" >/dev/null
cmake --build "$dir/build-$kind" -j "$jobs" --target "$@" >/dev/null

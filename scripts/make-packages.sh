#!/usr/bin/env bash
# Packs the programs of an i686 and an x86_64 build tree, built before, into a folder of their
# own, without building them again: OUT/win32 and OUT/win64 are packaging trees
# (CORVESSA_PROGRAMS_BUILD_DIR) whose targets `package` and `installer` stage, sign where asked,
# zip and make the installer as the build trees' own targets do. make-release.sh packs a
# release so, and the signing test (tests/release/) its signed packages.
# Usage: make-packages.sh [--sign-command CMD] [--timestamp URL] WIN32_TREE WIN64_TREE OUT
source "$(dirname "$0")/lib.sh"
usage="make-packages.sh [--sign-command CMD] [--timestamp URL] WIN32_TREE WIN64_TREE OUT"
sign_command= timestamp=
while [ $# -gt 3 ]; do
    case $1 in
    --sign-command) sign_command=$2; shift 2 ;;
    --timestamp) timestamp=$2; shift 2 ;;
    *) usage_error ;;
    esac
done
[ $# -eq 3 ] || usage_error
win32=$(cd "$started_in" && realpath "$1")
win64=$(cd "$started_in" && realpath "$2")
out=$(cd "$started_in" && realpath -m "$3")

if [ -e "$out" ] && [ ! -f "$out/signing.cmake" ]; then
    echo "$3 is no folder this script made: not emptying it" >&2
    exit 2
fi
rm -rf "$out"
mkdir -p "$out"
# Through a cache script: cmake takes the quotes off a -D value that begins and ends with one.
cat >"$out/signing.cmake" <<EOF
set(CORVESSA_SIGN_COMMAND [==[$sign_command]==] CACHE STRING "")
set(CORVESSA_SIGN_TIMESTAMP [==[$timestamp]==] CACHE STRING "")
EOF
configure() {  # PRESET PROGRAMS_TREE [CMAKE_OPTION...]
    local preset=$1 programs=$2
    shift 2
    cmake --preset "$preset" -B "$out/$preset" -C "$out/signing.cmake" -DCORVESSA_E2E=OFF \
        -DCORVESSA_PROGRAMS_BUILD_DIR="$programs" "$@" >/dev/null
}
configure win32 "$win32"
cmake --build "$out/win32" --target package
configure win64 "$win64" -DCORVESSA_WIN32_BUILD_DIR="$out/win32"
cmake --build "$out/win64" --target package installer

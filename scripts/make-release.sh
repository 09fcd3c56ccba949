#!/usr/bin/env bash
# Makes what users download from committed sources: both Windows builds configured afresh, the
# two zips and the installer, gathered in build/release/ with their sizes and SHA-256 sums.
# Refuses a working tree with changes, so that a release always matches a commit.
source "$(dirname "$0")/lib.sh"
if [ -n "$(git status --porcelain)" ]; then
    echo "The working tree has changes: commit or stash them first." >&2
    exit 1
fi
scripts/install-deps.sh build

for preset in win32 win64; do
    echo "=== build $preset"
    build_preset --fresh "$preset" package
done
cmake --build --preset win64 --target installer

version=$(sed -n 's/^#define CORVESSA_VERSION_TEXT "\(.*\)"$/\1/p' build/win64/generated/corvessa_version.h)
out=build/release
rm -rf "$out"
mkdir -p "$out"
cp "build/win32/Corvessa-$version-win32.zip" "build/win64/Corvessa-$version-win64.zip" \
   "build/win64/Corvessa-$version-setup.exe" "$out/"

echo "=== Corvessa $version from $(git rev-parse --short HEAD), in $out/"
cd "$out"
for f in *; do
    printf '%-28s %9d bytes  sha256 %s\n' "$f" "$(stat -c %s "$f")" "$(sha256sum "$f" | cut -d' ' -f1)"
done
sha256sum -- * >SHA256SUMS

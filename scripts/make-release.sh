#!/usr/bin/env bash
# Makes what users download from committed sources: both Windows builds' programs configured
# afresh, packed into the two zips and the installer (make-packages.sh), gathered in
# build/release/ with SHA256SUMS and BUILDINFO (the commit, the time every file holds, and the
# versions of the Debian packages that made them). With those versions, one commit gives the
# same bytes from any folder, at any time, in any time zone and locale
# (scripts/check-reproducible.sh shows it). Refuses a working tree with changes, so that a
# release always matches a commit.
# Usage: make-release.sh [--sign CERTIFICATE.pfx | --sign-command CMD] [--timestamp URL]
#   --sign FILE         signs with the certificate and key of a PKCS#12 file; its password is
#                       read from CORVESSA_SIGN_PASSWORD
#   --sign-command CMD  signs by running `CMD FILE`, which signs FILE in place (a key in a
#                       hardware token or a signing service)
#   --timestamp URL     has the RFC 3161 time-stamp server at URL stamp every signature
source "$(dirname "$0")/lib.sh"
usage="make-release.sh [--sign CERTIFICATE.pfx | --sign-command CMD] [--timestamp URL]"
sign_command= timestamp=
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage_error
    case $1 in
    --sign)
        [ -z "$sign_command" ] || usage_error
        certificate=$(cd "$started_in" && realpath "$2")
        [ -f "$certificate" ] || { echo "No certificate file $2" >&2; exit 2; }
        [ -n "${CORVESSA_SIGN_PASSWORD:-}" ] ||
            { echo "CORVESSA_SIGN_PASSWORD must hold the password of $2" >&2; exit 2; }
        sign_command="$(printf %q "$PWD/packaging/sign_with_osslsigncode.sh") -pkcs12 $(printf %q "$certificate")" ;;
    --sign-command) [ -z "$sign_command" ] || usage_error; sign_command=$2 ;;
    --timestamp) timestamp=$2 ;;
    *) usage_error ;;
    esac
    shift 2
done
if [ -n "$timestamp" ] && [ -z "$sign_command" ]; then usage_error; fi

# Nothing of the packager's settings may reach the files. The system's folders come first, so
# that the tools are those of the Debian packages that BUILDINFO lists.
export LC_ALL=C TZ=UTC PATH=/usr/sbin:/usr/bin:/sbin:/bin:$PATH
umask 022
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    if [ -n "$(git status --porcelain)" ]; then
        echo "The working tree has changes: commit or stash them first." >&2
        exit 1
    fi
    commit=$(git rev-parse HEAD)
else
    commit="none (not a git checkout)"
fi
SOURCE_DATE_EPOCH=$(packaging/source_date_epoch.sh "$PWD")
export SOURCE_DATE_EPOCH
# A release that fails leaves no files of an earlier one behind to be taken for its own.
packed=build/release-packaging out=build/release
rm -rf "$out"
scripts/install-deps.sh build

for preset in win32 win64; do
    echo "=== build $preset"
    build_preset --fresh "$preset" corvessa_scr corvessa_renderer
done
echo "=== packages"
scripts/make-packages.sh ${sign_command:+--sign-command "$sign_command"} \
    ${timestamp:+--timestamp "$timestamp"} build/win32 build/win64 "$packed"

version=$(sed -n 's/^#define CORVESSA_VERSION_TEXT "\(.*\)"$/\1/p' build/win64/generated/corvessa_version.h)
mkdir -p "$out"
cp "$packed/win32/Corvessa-$version-win32.zip" "$packed/win64/Corvessa-$version-win64.zip" \
   "$packed/win64/Corvessa-$version-setup.exe" "$out/"

# The Debian packages whose versions decide the bytes: the cross compilers with their binutils,
# runtime, and the Windows headers and libraries linked into the programs; CMake and Ninja;
# NSIS; Python and zlib for the zips; osslsigncode where it signs.
packages=('g++-mingw-w64-*' 'gcc-mingw-w64-*' 'binutils-mingw-w64-*' 'mingw-w64-*' cmake cmake-data
          ninja-build nsis nsis-common python3 python3-minimal 'python3.*-minimal'
          'libpython3.*-minimal' 'libpython3.*-stdlib' zlib1g)
[ -z "$sign_command" ] || packages+=(osslsigncode)
installed_versions() {
    { dpkg-query -W -f='${db:Status-Abbrev}|${Architecture}|${Package}=${Version}\n' "$@" 2>/dev/null || true; } |
        awk -F'|' -v native="$(dpkg --print-architecture)" \
            '$1 ~ /^ii/ && ($2 == native || $2 == "all") { print $3 }' | sort -u
}
time_text="$SOURCE_DATE_EPOCH ($(date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC'))"
signed=no
if [ -n "$sign_command" ]; then signed=yes; fi
{
    echo "Corvessa $version"
    echo "commit $commit"
    echo "SOURCE_DATE_EPOCH $time_text"
    echo "signed $signed"
    echo "Debian packages, which with these versions make the same files from the commit:"
    installed_versions "${packages[@]}"
} >"$out/BUILDINFO"

echo "=== Corvessa $version from commit $commit, time $time_text, signed: $signed, in $out/"
cd "$out"
for f in Corvessa-*; do
    printf '%-28s %9d bytes  sha256 %s\n' "$f" "$(stat -c %s "$f")" "$(sha256sum "$f" | cut -d' ' -f1)"
done
sha256sum -- Corvessa-* >SHA256SUMS
if [ -n "$sign_command" ] && [ -z "$timestamp" ]; then
    echo "Warning: signed without --timestamp. Unless the signing command stamped them itself, the" >&2
    echo "signatures stop being valid when the certificate expires." >&2
fi

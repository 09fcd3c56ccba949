#!/usr/bin/env bash
# Compares two release folders file by file: a rebuild with the published release, or two
# rebuilds. A zip that differs is compared entry by entry, a signed program in it once more with
# its signature removed (osslsigncode remove-signature), which gives back the unsigned program's
# bytes: so a signed release's zips compare with those of the unsigned release of its commit.
# Its installer cannot: it packs the signed programs and uninstaller. Ends with 0 only when
# every file is the same in both.
# Usage: compare-releases.sh RELEASE_DIR OTHER_RELEASE_DIR
source "$(dirname "$0")/lib.sh"
usage="compare-releases.sh RELEASE_DIR OTHER_RELEASE_DIR"
[ $# -eq 2 ] || usage_error
one=$(cd "$started_in" && realpath "$1")
other=$(cd "$started_in" && realpath "$2")
make_work_folder

unsigned() {  # FILE COPY: FILE without its signature, or as it is where it has none
    rm -f "$2"
    osslsigncode remove-signature -in "$1" -out "$2" >/dev/null 2>&1 || cp -f "$1" "$2"
}
compare_zips() {  # ZIP OTHER_ZIP: prints how they compare, fails unless entry by entry the same
    rm -rf "$work/one" "$work/other"
    unzip -q "$1" -d "$work/one" && unzip -q "$2" -d "$work/other" || return 1
    local names entry differing=()
    names=$(cd "$work/one" && find . -type f | sort; cd "$work/other" && find . -type f | sort)
    for entry in $(sort -u <<<"$names"); do
        [ -f "$work/one/$entry" ] && [ -f "$work/other/$entry" ] &&
            unsigned "$work/one/$entry" "$work/one.unsigned" &&
            unsigned "$work/other/$entry" "$work/other.unsigned" &&
            cmp -s "$work/one.unsigned" "$work/other.unsigned" ||
            differing+=("${entry#./}")
    done
    if [ ${#differing[@]} -gt 0 ]; then
        echo "differs in ${differing[*]}"
        return 1
    fi
    echo "the same once the programs' signatures are removed"
    twins=1
}

status=0 twins=0
for path in $( (ls "$one"; ls "$other") | sort -u); do
    printf '%-28s ' "$path"
    if [ ! -f "$one/$path" ] || [ ! -f "$other/$path" ]; then
        echo "in one folder only"
        status=1
    elif cmp -s "$one/$path" "$other/$path"; then
        echo "the same"
    else
        status=1
        case $path in
        *.zip) compare_zips "$one/$path" "$other/$path" || true ;;
        *) echo "differs" ;;
        esac
    fi
done
if [ $twins = 1 ]; then
    echo "(A signed release's installer, SHA256SUMS and BUILDINFO differ from those of its unsigned"
    echo "twin; its installer packs the signed programs and uninstaller.)"
fi
exit $status

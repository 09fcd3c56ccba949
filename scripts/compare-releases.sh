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

unsigned() {  # PE_FILE: its bytes without a signature, on stdout
    if osslsigncode remove-signature -in "$1" -out "$work/unsigned" >/dev/null 2>&1; then
        cat "$work/unsigned"
        rm -f "$work/unsigned"
    else
        cat "$1"
    fi
}
compare_zips() {  # ZIP OTHER_ZIP: prints how they compare, fails unless entry by entry the same
    rm -rf "$work/one" "$work/other"
    unzip -q "$1" -d "$work/one" && unzip -q "$2" -d "$work/other" || return 1
    local names entry differing=()
    names=$(cd "$work/one" && find . -type f | sort; cd "$work/other" && find . -type f | sort)
    for entry in $(sort -u <<<"$names"); do
        [ -f "$work/one/$entry" ] && [ -f "$work/other/$entry" ] &&
            cmp -s <(unsigned "$work/one/$entry") <(unsigned "$work/other/$entry") ||
            differing+=("${entry#./}")
    done
    if [ ${#differing[@]} -gt 0 ]; then
        echo "differs in ${differing[*]}"
        return 1
    fi
    echo "the same once the programs' signatures are removed"
}

status=0
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
exit $status

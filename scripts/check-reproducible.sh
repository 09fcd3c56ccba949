#!/usr/bin/env bash
# The proof that a release is the same bytes wherever and whenever it is made: makes the
# release of one commit twice, each in a clone of its own, in folders of different names and
# depths, in two time zones and locales, under two umasks and minutes apart, and compares the
# two (compare-releases.sh). Run it before a release: it builds only what ships, twice, in
# about a minute and a half on two cores.
# Usage: check-reproducible.sh [REVISION]   (default HEAD)
source "$(dirname "$0")/lib.sh"
usage="check-reproducible.sh [REVISION]"
[ $# -le 1 ] || usage_error
revision=$(git rev-parse --verify "${1:-HEAD}^{commit}")
make_work_folder
start=$SECONDS

release_in() {  # FOLDER TIME_ZONE LANG UMASK
    echo "=== release of $revision in $1 (TZ=$2 LANG=$3 umask $4)"
    mkdir -p "$(dirname "$1")"
    (
        umask "$4"
        git clone --quiet --no-checkout "$PWD" "$1"
        cd "$1"
        git checkout --quiet --detach "$revision"
        TZ=$2 LANG=$3 scripts/make-release.sh
    ) >"$1.log" 2>&1 || { tail -n 30 "$1.log"; echo "the release in $1 failed" >&2; exit 1; }
}
release_in "$work/corvessa" Pacific/Auckland C.UTF-8 022
release_in "$work/elsewhere/a-longer-folder-name" America/Los_Angeles ja_JP.UTF-8 077

echo "=== compared"
scripts/compare-releases.sh "$work/corvessa/build/release" "$work/elsewhere/a-longer-folder-name/build/release"
echo "=== the two releases are the same bytes; $((SECONDS - start)) s"
cat "$work/corvessa/build/release/SHA256SUMS"

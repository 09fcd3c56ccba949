#!/usr/bin/env bash
# What a user finds in a zip: exactly the two programs, built for the zip's width, the licence
# and the users' README in the form Notepad shows right (UTF-8 with a byte-order mark, CRLF).
# Usage: zip_contents.sh ZIP PE_MACHINE [ZIP PE_MACHINE ...]   (8664: x86_64, 014c: i686)
set -euo pipefail
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$(basename "$zip"): $*"; status=1; }

while [ $# -ge 2 ]; do
    zip=$1 machine=$2
    shift 2
    [ -f "$zip" ] || { fail "missing: build the target package first"; continue; }
    names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
    [ "$names" = "Corvessa.dll Corvessa.scr LICENSE README.txt " ] || fail "holds $names"
    rm -rf "${work:?}"/*
    unzip -q "$zip" -d "$work"
    for program in Corvessa.scr Corvessa.dll; do
        header=$(od -An -tu4 -j60 -N4 "$work/$program" | tr -d ' ')
        found=$(od -An -tx2 -j$((header + 4)) -N2 "$work/$program" | tr -d ' ')
        [ "$found" = "$machine" ] || fail "$program is for machine $found, not $machine"
    done
    readme=$work/README.txt
    [ "$(head -c3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no byte-order mark"
    [ "$(grep -c -v $'\r$' "$readme")" = 0 ] || fail "README.txt has lines without CRLF"
    iconv -f UTF-8 -t UTF-16 "$readme" >/dev/null || fail "README.txt is not UTF-8"
done
[ $status = 0 ] && echo "zips hold what they should"
exit $status

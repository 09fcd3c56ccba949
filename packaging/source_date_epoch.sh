#!/usr/bin/env bash
# The one time that the packages write wherever a time goes (the programs' headers, the zips'
# entries, the files the installer puts in place): SOURCE_DATE_EPOCH where it is set, else the
# time of the commit the sources are checked out at. Never the clock, which would make every
# build's packages differ: with neither, it stops and says why.
# With FILE, writes the time there, rewriting it only when it has changed, so that the packages
# are made again only then; without, prints it.
# Usage: source_date_epoch.sh SOURCE_DIR [FILE]
set -euo pipefail
source_dir=$1 file=${2:-}

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    epoch=$SOURCE_DATE_EPOCH origin=SOURCE_DATE_EPOCH
elif epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    origin="the commit's time"
else
    echo "No time for the packages: $source_dir is no git checkout and SOURCE_DATE_EPOCH is not set." >&2
    echo "Set SOURCE_DATE_EPOCH to the release's time in seconds since 1970 (the clock is never used)." >&2
    exit 1
fi
# A zip's entry time runs from 1980 to 2107.
if ! [[ $epoch =~ ^[0-9]{1,10}$ ]] || [ "$epoch" -lt 315532800 ] || [ "$epoch" -ge 4354819200 ]; then
    echo "$origin ($epoch) is no time between 1980 and 2107 in seconds since 1970, which the zips can hold." >&2
    exit 1
fi

if [ -z "$file" ]; then
    echo "$epoch"
elif [ "$(cat "$file" 2>/dev/null)" != "$epoch" ]; then
    echo "$epoch" >"$file.new"
    mv -f "$file.new" "$file"
fi

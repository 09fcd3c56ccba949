#!/usr/bin/env bash
# Generates the Unix locales that the Wine runs use into DIR, once: ja_JP.UTF-8 (code page 932,
# the tests' own) and en_US.UTF-8 (code page 1252, as on an English system). Generated, not only
# named: with LC_ALL naming a locale that is not generated Wine still picks the code page by the
# name, but reads Unix file names in the C locale, and then a folder such as "Zoë" is found
# through a code page that cannot write it, as on no real system. Needs Debian's `locales`.
# Usage: make-locales.sh DIR
set -euo pipefail
dir=${1:?usage: make-locales.sh DIR}
mkdir -p "$dir"
for locale in ja_JP en_US; do
    [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] && continue
    # -c: the definitions' harmless warnings must not stop it.
    localedef -c -i "$locale" -f UTF-8 "$dir/$locale.UTF-8" >/dev/null 2>&1 ||
        [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] ||
        { echo "the locale $locale.UTF-8 could not be generated in $dir" >&2; exit 1; }
done

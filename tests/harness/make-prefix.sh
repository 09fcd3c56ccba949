#!/usr/bin/env bash
# Sourced after wine-env.sh: makes the Wine prefix of $WINEPREFIX once, set up as every test
# run and the run script need it. A prefix made by an older version of this file is made anew,
# and so is one made before Wine's 32-bit half was installed on a machine that runs 32-bit code.
_corvessa_prefix_version=3

_corvessa_prefix_complete() {
    [ "$(cat "$WINEPREFIX/.corvessa-ready" 2>/dev/null)" = "$_corvessa_prefix_version" ] || return 1
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] && return 0
    ! "$(dirname "${BASH_SOURCE[0]}")/runs-32bit.sh" wine >/dev/null
}

# Runs one Wine command of the set-up quietly; says which one failed.
_corvessa_prefix_step() {
    env $WINE_LOCALE "$WINELOADER" "$@" >/dev/null 2>&1 && return 0
    echo "the Wine prefix's set-up failed at: $*" >&2
    return 1
}

# Makes $WINEPREFIX afresh; false when a step of it failed.
_corvessa_fill_prefix() {
    [ -n "${WINESERVER:-}" ] && [ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    env $WINE_LOCALE "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager Wine waits ~2 s on every hide of a full-screen popup.
    _corvessa_prefix_step reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || return 1
    # A crashing program must end, not wait for a click on a dialog nobody sees.
    _corvessa_prefix_step reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || return 1
    # The dialog's faces are missing under Wine: map them to the installed IPA fonts so that the
    # Japanese captions are legible. reg.exe mangles non-ASCII value names on its command line,
    # so the names go in through a UTF-16 registry file.
    local fonts="$WINEPREFIX/corvessa-fonts.reg"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\377\376'; cat; } >"$fonts"
    _corvessa_prefix_step regedit /s "$fonts" || return 1
    # The caption buttons' glyphs: Debian's fonts-wine puts Marlett in Wine's data folder, which
    # this Wine, started as /usr/lib/wine/wine64, does not search; in the prefix's Fonts it is found.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$WINESERVER" -w || { echo "the Wine prefix's set-up failed at: wineserver -w" >&2; return 1; }
}

corvessa_make_prefix() {
    "$(dirname "${BASH_SOURCE[0]}")/make-locales.sh" "$WINE_LOCPATH"
    _corvessa_prefix_complete && return 0
    # Seen once on a loaded machine: a fresh prefix whose first registry write failed. A second
    # attempt costs one more boot and spares the whole test run.
    local attempt
    for attempt in 1 2; do
        if _corvessa_fill_prefix; then
            echo "$_corvessa_prefix_version" >"$WINEPREFIX/.corvessa-ready"
            return 0
        fi
    done
    return 1
}

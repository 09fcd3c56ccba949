#!/usr/bin/env bash
# Takes the README's pictures of the settings dialog from the real Corvessa.scr /c under Wine in
# a virtual display, at 100 % (docs/images/settings-dialog.png) and at 150 % display scaling
# (settings-dialog-150.png), with the dialog's Japanese faces mapped to the IPA fonts and the
# caption buttons' font in the prefix (tests/harness/make-prefix.sh). The dialog shows a stored
# music file.
# Usage: make-dialog-picture.sh [folder]   (default docs/images)
source "$(dirname "$0")/lib.sh"
pictures=${1:-docs/images}
scripts/install-deps.sh run
build_preset_quietly win64 corvessa_renderer corvessa_scr

wine_session build/win64/picture-wine

# The programs in C:\Corvessa, with a music file in C:\Music, so that the picture shows paths a
# user would have.
folder=$WINEPREFIX/drive_c/Corvessa
mkdir -p "$folder" "$WINEPREFIX/drive_c/Music"
cp build/win64/bin/Corvessa.scr build/win64/bin/Corvessa.dll "$folder/"
: >"$WINEPREFIX/drive_c/Music/slow tide.mp3"
printf '[Section]\r\nBGM区分=2\r\nBGMﾘﾋﾟｰﾄ=0\r\nBGMﾌｧｲﾙ=C:\\Music\\slow tide.mp3\r\n' |
    iconv -f UTF-8 -t CP932 >"$folder/Corvessa.ini"

# One picture at the given dots per inch, which Wine reads when the program starts.
take() {
    local dpi=$1 out=$2 geometry= dialog
    corvessa_set_dpi "$dpi"
    env $WINE_LOCALE "$WINELOADER" 'C:\Corvessa\Corvessa.scr' /c >/dev/null 2>&1 &
    dialog=$!
    for _ in $(seq 100); do
        geometry=$(xwininfo -display "$DISPLAY" -name '<Corvessa>' 2>/dev/null | awk '
            /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
            /Width:/ {w=$NF} /Height:/ {h=$NF} /Map State: IsViewable/ {v=1}
            END {if (v) printf "%dx%d+%d+%d", w, h, x, y}' || true)
        [ -n "$geometry" ] && break
        sleep 0.1
    done
    [ -n "$geometry" ] || { echo "the dialog did not appear" >&2; exit 1; }
    sleep 1  # the gradients and the buttons' faces
    mkdir -p "$(dirname "$out")"
    import -display "$DISPLAY" -window root -crop "$geometry" +repage "$out"
    identify "$out"
    kill "$dialog"
    wait "$dialog" 2>/dev/null || true
}
take 144 "$pictures/settings-dialog-150.png"
take 96 "$pictures/settings-dialog.png"  # last, so that the prefix is left at 96 dpi

#!/usr/bin/env bash
# Renders the pictures that ship with the project from real frames of the animation, drawn
# off-screen by the renderer's own code (corvessa-frames, native build):
#   docs/images/frame.png   960x540, the README's picture
#   resources/preview.jpg   152x112 baseline JPEG (JFIF, three components), the front end's
#                           preview picture, drawn at four times the size and scaled down
# Usage: make-pictures.sh [build-dir]   (default build/native, configured by the native preset)
source "$(dirname "$0")/lib.sh"
build=${1:-build/native}
seed=1
frames=600

if [ "$build" = build/native ]; then
    scripts/install-deps.sh build
    build_preset_quietly native corvessa-frames
else
    cmake --build "$build" --target corvessa-frames >/dev/null
fi
tool=$build/tools/corvessa-frames

make_work_folder

mkdir -p docs/images "$work/readme" "$work/preview"
"$tool" --seed $seed --frames $frames --every $frames --size 960x540 --out "$work/readme"
cp "$work/readme/frame-$(printf %06d $frames).png" docs/images/frame.png

"$tool" --seed $seed --frames $frames --every $frames --size 608x448 --out "$work/preview"
convert "$work/preview/frame-$(printf %06d $frames).png" -resize '152x112!' -strip \
    -type TrueColor -colorspace sRGB -interlace None -sampling-factor 2x2 -quality 92 \
    JPEG:resources/preview.jpg

identify docs/images/frame.png resources/preview.jpg

#!/usr/bin/env python3
"""Draws the settings dialog's pictures: the program's window icon corvessa.ico (32x32, 256
colours) and the two 12x12 markers of the music-kind rows (marker_off.bmp, marker_on.bmp), with
the same markers drawn anew for the larger display scalings (marker_off_15.bmp ... marker_on_24.bmp:
15, 18 and 24 pixels for 125, 150 and 200 %), so that they stay crisp where stretching would blur.

The icon is the renderer's curl of glowing particles over the dialog's own navy-to-lavender
shading, with a music note, since the dialog chooses the music. Run it again after changing the
design; the build uses the checked-in files.
Usage: make_settings_pictures.py [output folder]
"""
import math
import os
import sys

from bitmap_files import bmp24_bytes, icon256_bytes
from make_renderer_icon import light_at

ICON = 32
MARKER = 12
SCALED_MARKERS = (15, 18, 24)
OUTLINE = (40, 48, 80)      # dark navy grey
PAPER = (244, 244, 248)     # light inside of an empty marker
BLUE = (40, 96, 220)


def inside_disc(x, y):
    return (x + 0.5 - 16) ** 2 + (y + 0.5 - 16) ** 2 <= 15.7 ** 2


def on_note(x, y):
    """An eighth note in the lower left: an oval head, a stem and a flag."""
    px, py = x + 0.5, y + 0.5
    head = ((px - 8.5) / 3.0) ** 2 + ((py - 24.5) / 2.2) ** 2 <= 1.0
    stem = 10.6 <= px <= 12.0 and 12.0 <= py <= 24.0
    flag = 12.0 <= px <= 12.0 + (py - 12.0) * 1.4 and 12.0 <= py <= 16.0 and px <= 15.5
    return head or stem or flag


def icon_pixel(x, y):
    # Background: the dialog's half-sine shading from navy at the edges to lavender mid-height.
    v = round(abs(math.sin((y + 0.5) / (ICON / 3.142))) * 150)
    colour = [v * 0.55, v * 0.55, v * 0.55 + 40]
    light, hue = light_at(x + 0.5, y + 0.5)
    glow = (110 + 145 * (1 - hue), 180 + 75 * hue, 255)  # violet tail to cyan core
    colour = [c + (g - c) * light for c, g in zip(colour, glow)]
    if on_note(x, y):
        colour = [255, 250, 235]
    return tuple(max(0, min(255, round(c))) for c in colour)


def marker(filled, size=MARKER):
    """An empty light square with a dark outline, or the same filled with blue; the outline and
    the gap around the blue grow with the size in whole pixels."""
    line = max(1, round(size / MARKER))
    gap = round(size / 6)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if min(x, y) < line or max(x, y) >= size - line:
                row.append(OUTLINE)
            elif filled and gap <= min(x, y) and max(x, y) < size - gap:
                row.append(BLUE)
            else:
                row.append(PAPER)
        rows.append(row)
    return rows


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    icon_rows = [[icon_pixel(x, y) for x in range(ICON)] for y in range(ICON)]
    with open(os.path.join(folder, "corvessa.ico"), "wb") as f:
        f.write(icon256_bytes(icon_rows, lambda x, y: not inside_disc(x, y)))
    with open(os.path.join(folder, "marker_off.bmp"), "wb") as f:
        f.write(bmp24_bytes(marker(False)))
    with open(os.path.join(folder, "marker_on.bmp"), "wb") as f:
        f.write(bmp24_bytes(marker(True)))
    for size in SCALED_MARKERS:
        for name, filled in (("off", False), ("on", True)):
            with open(os.path.join(folder, "marker_%s_%d.bmp" % (name, size)), "wb") as f:
                f.write(bmp24_bytes(marker(filled, size)))


if __name__ == "__main__":
    main()

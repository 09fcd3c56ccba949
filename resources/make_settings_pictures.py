#!/usr/bin/env python3
"""Draws the settings dialog's pictures: the program's window icon corvessa.ico (32x32, 256
colours) and the two 12x12 markers of the music-kind rows (marker_off.bmp, marker_on.bmp).

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


def marker(filled):
    rows = []
    for y in range(MARKER):
        row = []
        for x in range(MARKER):
            if x in (0, MARKER - 1) or y in (0, MARKER - 1):
                row.append(OUTLINE)
            elif filled and 2 <= x <= MARKER - 3 and 2 <= y <= MARKER - 3:
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


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the renderer's window icon, renderer.ico: 32x32 pixels in 16 colours.

A glowing dot with a stream of fading particles curling away from it, on a dark disc.
Run it again after changing the design; the build uses the checked-in .ico.
"""
import math
import struct
import sys

SIZE = 32

# 16-colour palette, (red, green, blue): black and the night blue of the disc, then the glow
# from deep violet through cyan to white.
PALETTE = [
    (0, 0, 0), (8, 10, 32), (20, 24, 64), (40, 20, 96),
    (72, 32, 150), (110, 50, 200), (40, 70, 180), (30, 110, 220),
    (20, 150, 235), (40, 190, 245), (90, 215, 250), (140, 230, 252),
    (185, 242, 254), (220, 250, 255), (240, 253, 255), (255, 255, 255),
]


def light_at(x, y):
    """Brightness 0..1 and a hue weight 0 (violet) .. 1 (cyan) of the picture at a pixel."""
    core_x, core_y = 20.5, 11.5
    d2 = (x - core_x) ** 2 + (y - core_y) ** 2
    light = math.exp(-d2 / 9.0) + 0.35 * math.exp(-d2 / 40.0)
    hue = 1.0
    # The stream: particles on a spiral arc that leaves the core and fades as it goes.
    for i in range(1, 15):
        t = i / 14.0
        angle = 0.3 + t * 3.4
        radius = 2.5 + t * 11.0
        px = 16.0 + math.cos(angle) * radius * 0.95 + (1 - t) * 4.5
        py = 16.0 - math.sin(angle) * radius * 0.75 - (1 - t) * 4.5 + t * 6.0
        strength = 0.9 * (1 - t) ** 0.7
        spot = strength * math.exp(-((x - px) ** 2 + (y - py) ** 2) / (1.6 + 1.5 * (1 - t)))
        if spot > light * 0.5:
            hue = 1.0 - t
        light += spot
    return min(light, 1.0), hue


def colour_index(x, y):
    light, hue = light_at(x + 0.5, y + 0.5)
    if light < 0.06:
        return 1 if light < 0.03 else 2
    if light > 0.9:
        return 15
    if hue < 0.5 and light < 0.6:
        return 3 + min(int(light / 0.2), 2)  # violet tail
    return 6 + min(int(light * 9.0), 8)  # blue to white


def inside_disc(x, y):
    return (x + 0.5 - 16) ** 2 + (y + 0.5 - 16) ** 2 <= 15.7 ** 2


def icon_bytes():
    rows = []  # colour indices, bottom row first as the format stores them
    mask_rows = []
    for y in reversed(range(SIZE)):
        row = bytearray()
        mask = 0
        for x in range(0, SIZE, 2):
            pair = []
            for dx in (0, 1):
                if inside_disc(x + dx, y):
                    pair.append(colour_index(x + dx, y))
                else:
                    pair.append(0)
                    mask |= 1 << (SIZE - 1 - (x + dx))  # transparent outside the disc
            row.append(pair[0] << 4 | pair[1])
        rows.append(bytes(row))
        mask_rows.append(struct.pack(">I", mask))
    xor = b"".join(rows)
    and_mask = b"".join(mask_rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 16, 0)
    image = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "renderer.ico"
    with open(out, "wb") as f:
        f.write(icon_bytes())

#!/usr/bin/env python3
"""Draws the Command button's six state pictures: 64 x 25 pixels, 24-bit BMP files.

Each is a complete button face with softened corners. Only the outer ring of 4 pixels reaches
the screen (the button copies its corners and edges and lets its own gradient show in the
middle); the inside is filled so that the pictures read as buttons on their own.
Run it again after changing the design; the build uses the checked-in files:

    python3 resources/make_command_pictures.py resources
"""
import os
import sys

from bitmap_files import bmp24_bytes

WIDTH, HEIGHT = 64, 25
FACE = 0xECE9D8  # the dialog face the pictures blend into

# Corner tones of the rounded outline, from the outside of the curve to its inside.
OUTLINE_CORNERS = (0x7A95A8, 0x255783, 0x164D7E, 0x6788A0)
DISABLED_CORNERS = (0xD8D5C7, 0xCBC9BC, 0xD5D2C4, 0xEAE9DE, 0xEEEDE2)


def blend(a, b, t):
    """The colour a fraction t of the way from a to b."""
    out = 0
    for shift in (16, 8, 0):
        ca, cb = (a >> shift) & 0xFF, (b >> shift) & 0xFF
        out |= int(round(ca + (cb - ca) * t)) << shift
    return out


def ramp(top, bottom, y, first, last):
    return blend(top, bottom, (y - first) / (last - first))


class Face:
    def __init__(self):
        self.pixels = [[FACE] * WIDTH for _ in range(HEIGHT)]

    def set(self, x, y, colour):
        self.pixels[y][x] = colour

    def corners(self, inset, tones):
        """Puts tones[(dx, dy)] into all four corners, mirrored, `inset` pixels in."""
        for (dx, dy), colour in tones.items():
            for x in (inset + dx, WIDTH - 1 - inset - dx):
                for y in (inset + dy, HEIGHT - 1 - inset - dy):
                    self.set(x, y, colour)

    def outlined(self, inset, outline, corner_tones):
        """A 1-pixel outline `inset` + 1 pixels in, its corners rounded over 3 pixels."""
        o = inset + 1
        for x in range(o + 3, WIDTH - o - 3):
            self.set(x, o, outline)
            self.set(x, HEIGHT - 1 - o, outline)
        for y in range(o + 3, HEIGHT - o - 3):
            self.set(o, y, outline)
            self.set(WIDTH - 1 - o, y, outline)
        self.corners(inset, corner_tones)

    def bmp(self):
        return bmp24_bytes([[((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF) for c in row] for row in self.pixels])


def fringed(inset):
    """Flat face outside `inset`, the light fringe on ring `inset` and the dark blue outline
    inside it: light on the lit top and left, darker on the bottom and right."""
    face = Face()
    light, dark = 0xF8F7F0, 0xE0DCC9
    for x in range(inset, WIDTH - inset):
        face.set(x, inset, light)
        face.set(x, HEIGHT - 1 - inset, dark)
    for y in range(inset, HEIGHT - inset):
        face.set(inset, y, light)
        face.set(WIDTH - 1 - inset, y, dark)
    far = HEIGHT - 1 - inset
    for x, y in ((inset, inset), (WIDTH - 1 - inset, inset), (inset, far), (WIDTH - 1 - inset, far)):
        face.set(x, y, FACE)
    edge, strong, diagonal, inner = OUTLINE_CORNERS
    face.outlined(inset, 0x003C74, {(1, 1): blend(light, dark, 0.5),
                                    (2, 1): edge, (1, 2): edge, (3, 1): strong, (1, 3): strong,
                                    (2, 2): diagonal, (3, 2): inner, (2, 3): inner})
    return face


def fill_inside(face, inset, painter):
    """Paints the pixels inside the outline (not its rounded corners) with painter(x, y)."""
    first, last_x, last_y = inset + 2, WIDTH - 3 - inset, HEIGHT - 3 - inset
    for y in range(first, last_y + 1):
        for x in range(first, last_x + 1):
            near_x = min(x - first, last_x - x)
            near_y = min(y - first, last_y - y)
            if near_x + near_y <= 1:
                continue  # the outline's rounded corner
            face.set(x, y, painter(x, y))


def normal():
    face = fringed(0)

    def paint(x, y):
        if y == 21:
            return 0xE2DFD6
        if y == 22:
            return 0xD6D0C5
        if x in (2, 3):
            return ramp(0xFDFDFC, 0xECEBE6, y, 2, 22)
        if x == 60:
            return ramp(0xFBFBFA, 0xE4E2DA, y, 2, 22)
        if x == 61:
            return ramp(0xF6F4F2, 0xE0DDD4, y, 2, 22)
        return 0xF3F3EE
    fill_inside(face, 0, paint)
    return face


def high_light():
    face = fringed(0)

    def paint(x, y):
        if y == 2:
            return 0xFFF0CF
        if y == 3:
            return 0xFDD889
        if y == 21:
            return 0xF8B330
        if y == 22:
            return 0xE59700
        if x in (2, 61):
            return ramp(0xFEDF9A, 0xF9B435, y, 4, 20)
        if x in (3, 60):
            return ramp(0xFCD279, 0xF8B535, y, 4, 20)
        return 0xF3F3EE
    fill_inside(face, 0, paint)
    return face


def selected():
    face = fringed(0)

    def paint(x, y):
        if y == 3 and x == 3:
            return 0xB7D0F4
        if y == 3 and x == 60:
            return 0xB1CCF2
        if y in (2, 3):
            return 0xCEE7FF
        if y in (21, 22):
            return 0x6982EE
        if x in (2, 3):
            return ramp(0xB7D0F4, 0x8BADE4, y, 4, 20)
        if x in (60, 61):
            return ramp(0xB1CCF2, 0x8BAFE5, y, 4, 20)
        return 0xF3F3EE
    fill_inside(face, 0, paint)
    return face


def pressed():
    face = fringed(1)  # the whole face one pixel in; row 0, column 0 and the far ones stay flat

    def paint(x, y):
        if y == 3:
            return 0xD1CCC1
        if y == 4:
            return 0xDCD8CF
        if x == 3:
            return 0xD8D4CB
        if x == 4:
            return 0xDDDAD1
        if y == 20:
            return 0xEAE9E3
        if y == 21:
            return 0xF2F1EE
        return 0xE2E1D9
    fill_inside(face, 1, paint)
    return face


def disable():
    face = Face()
    soft, close, diagonal, inner, innermost = DISABLED_CORNERS
    face.outlined(0, 0xC9C7BA, {(2, 1): soft, (1, 2): soft, (3, 1): close, (1, 3): close,
                                (2, 2): diagonal, (3, 2): inner, (2, 3): inner, (3, 3): innermost})
    fill_inside(face, 0, lambda x, y: 0xF5F4EA)
    face.corners(0, {(3, 2): inner, (2, 3): inner, (3, 3): innermost})
    return face


PICTURES = {
    "command_highlight.bmp": high_light,
    "command_pressed.bmp": pressed,
    "command_normal.bmp": normal,
    "command_disable.bmp": disable,
    "command_highlightselect.bmp": high_light,  # the same pixels as HighLight
    "command_selected.bmp": selected,
}


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    for name, draw in PICTURES.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(draw().bmp())

"""Writers for the picture files the resource scripts make: 24-bit BMP and 256-colour ICO.

Pixels are given as rows of (red, green, blue) tuples, top row first.
"""
import struct


def bmp24_bytes(rows):
    """A bottom-up 24-bit BMP file of the given rows."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + bytes(data)


def palette_of(colours, limit=256):
    """At most `limit` colours for a picture: its own colours, coarsened step by step until they
    fit, so that smooth shading keeps its tones instead of snapping to a fixed cube."""
    step = 1
    while True:
        coarse = sorted({tuple(min(255, (c // step) * step + step // 2) for c in colour) for colour in colours})
        if len(coarse) <= limit:
            return coarse, step
        step *= 2


def icon256_bytes(rows, transparent):
    """A one-image ICO file, 256 colours; `transparent(x, y)` marks the pixels left clear.
    Those are black in the colour image: the system draws an icon by its mask, then the colour
    image XOR'd on top, so any other colour there would tint what lies behind the icon."""
    size = len(rows)
    shown = [rows[y][x] for y in range(size) for x in range(size) if not transparent(x, y)]
    palette, step = palette_of(shown, 255)
    if (0, 0, 0) not in palette:
        palette.append((0, 0, 0))
    index = {colour: i for i, colour in enumerate(palette)}
    clear = index[(0, 0, 0)]
    xor = bytearray()
    and_mask = bytearray()
    for y in reversed(range(size)):
        mask = 0
        for x in range(size):
            if transparent(x, y):
                xor.append(clear)
                mask |= 1 << (size - 1 - x)
            else:
                xor.append(index[tuple(min(255, (c // step) * step + step // 2) for c in rows[y][x])])
        and_mask += struct.pack(">I", mask)
    palette = palette + [(0, 0, 0)] * (256 - len(palette))
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(and_mask), 0, 0, 256, 0)
    image = header + colour_table + bytes(xor) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image

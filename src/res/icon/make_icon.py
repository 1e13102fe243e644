#!/usr/bin/env python3
"""Draws the panel's icon and writes it as a Windows .ico file.

The artwork is three mixer faders on a rounded slate tile, which reads as "audio
settings" down to 16 x 16 pixels. The file holds the seven images that the shell and
the dialogs choose from: 48, 32 and 16 pixels with a 256-colour palette for
low-colour displays, and 256, 48, 32 and 16 pixels with 32-bit colour and alpha. Everything is
computed here, so the output is the same on every run; the generated DrvProp.ico is
committed beside this script and the build uses that file.

Usage: make_icon.py [output.ico]   (default: DrvProp.ico beside this script)
"""

import os
import struct
import sys

SUPERSAMPLE = 4  # samples per pixel edge, for smooth edges at every size

# Shapes in unit coordinates (0..1, y down), painted back to front.
TILE = (0.06, 0.06, 0.94, 0.94, 0.17)  # x0, y0, x1, y1, corner radius
TILE_TOP = (0x2C, 0x4F, 0x7C)
TILE_BOTTOM = (0x12, 0x24, 0x3B)
TILE_RIM = (0x6E, 0x8F, 0xB8)
RIM_WIDTH = 0.035
SLOT_COLOUR = (0x08, 0x0E, 0x17)
FADERS = (  # slot centre x, knob centre y, knob colour
    (0.30, 0.62, (0xF2, 0x9F, 0x05)),
    (0.50, 0.36, (0xE8, 0xEB, 0xEF)),
    (0.70, 0.50, (0x2E, 0xC4, 0xB6)),
)
SLOT_TOP, SLOT_BOTTOM, SLOT_HALF_WIDTH = 0.20, 0.80, 0.028
KNOB_HALF_WIDTH, KNOB_HALF_HEIGHT, KNOB_RADIUS = 0.095, 0.055, 0.03


def inside_rounded_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def sample(x, y):
    """Colour and opacity (0 or 1) of one point of the artwork."""
    x0, y0, x1, y1, r = TILE
    if not inside_rounded_rect(x, y, x0, y0, x1, y1, r):
        return (0, 0, 0), 0
    w = RIM_WIDTH
    if not inside_rounded_rect(x, y, x0 + w, y0 + w, x1 - w, y1 - w, r - w):
        colour = TILE_RIM
    else:
        t = (y - y0) / (y1 - y0)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM))
    for slot_x, knob_y, knob_colour in FADERS:
        if inside_rounded_rect(x, y, slot_x - KNOB_HALF_WIDTH, knob_y - KNOB_HALF_HEIGHT,
                               slot_x + KNOB_HALF_WIDTH, knob_y + KNOB_HALF_HEIGHT,
                               KNOB_RADIUS):
            colour = knob_colour
        elif inside_rounded_rect(x, y, slot_x - SLOT_HALF_WIDTH, SLOT_TOP,
                                 slot_x + SLOT_HALF_WIDTH, SLOT_BOTTOM, SLOT_HALF_WIDTH):
            colour = SLOT_COLOUR
    return colour, 1


def render(size):
    """Rows top to bottom of (r, g, b, a) pixels, colour not premultiplied."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    colour, opaque = sample((px + (sx + 0.5) / n) / size,
                                            (py + (sy + 0.5) / n) / size)
                    if opaque:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / covered) for c in acc) +
                           (round(255 * covered / (n * n)),))
        rows.append(row)
    return rows


def palette_for(renders):
    """Black for the see-through pixels, then the artwork's 255 most frequent colours.

    A palette made from the images themselves keeps the tile's gradient smooth, where
    a generic colour cube would band it into unrelated hues.
    """
    counts = {}
    for rows in renders:
        for row in rows:
            for r, g, b, a in row:
                if a >= 128:
                    counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    ranked = sorted(counts, key=lambda c: (-counts[c], c))
    colours = [(0, 0, 0)] + ranked[:255]
    return colours + [(0, 0, 0)] * (256 - len(colours))


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def and_mask(rows, transparent):
    """The 1-bit mask, bottom-up, each row padded to 32 bits; 1 marks a see-through pixel."""
    size = len(rows)
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if transparent(pixel):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bitmap_header(size, bpp, palette_entries):
    # The height covers the colour bitmap and the mask stacked together.
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0,
                       palette_entries, 0)


def image_8bpp(rows, palette):
    size = len(rows)
    opaque = [[p[3] >= 128 for p in row] for row in rows]
    data = bytearray(bitmap_header(size, 8, 256))
    for r, g, b in palette:
        data += struct.pack('<BBBB', b, g, r, 0)
    stride = (size + 3) // 4 * 4
    for y in reversed(range(size)):
        line = bytearray(stride)
        for x, pixel in enumerate(rows[y]):
            line[x] = nearest(palette, pixel[:3]) if opaque[y][x] else 0
        data += line
    data += and_mask(rows, lambda p: p[3] < 128)
    return bytes(data)


def image_32bpp(rows):
    data = bytearray(bitmap_header(len(rows), 32, 0))
    for row in reversed(rows):
        for r, g, b, a in row:
            data += struct.pack('<BBBB', b, g, r, a)
    data += and_mask(rows, lambda p: p[3] == 0)
    return bytes(data)


def build_ico():
    small = [render(size) for size in (48, 32, 16)]
    palette = palette_for(small)
    images = [(len(rows), 8, image_8bpp(rows, palette)) for rows in small]
    images += [(len(rows), 32, image_32bpp(rows)) for rows in [render(256)] + small]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bpp, data in images:
        dim = 0 if size == 256 else size  # one byte: 0 stands for 256
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, 'DrvProp.ico')
    with open(path, 'wb') as f:
        f.write(build_ico())


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Draws the program's icons and writes them beside this script:

- Vintra.ico, the program icon: a white "@" on a blue rounded square, at 16,
  32 and 48 pixels, each in 256 colours (8-bit, palettised) and in 32-bit
  colour with alpha;
- Settings.ico, the settings dialog's icon: a white cog on a slate rounded
  square, at 16 and 32 pixels in 32-bit colour.

The artwork is a handful of shapes measured in a unit square, sampled 4x4
per pixel so that the small sizes the tray shows stay smooth. Run it again
after changing a shape and commit the .ico files; the build only reads them.
"""
import math
import os
import struct

SAMPLES = 4
WHITE = (0xFF, 0xFF, 0xFF)
PROGRAM_BACKGROUND = (0x1E, 0x5A, 0xA8)  # RGB
SETTINGS_BACKGROUND = (0x4A, 0x55, 0x68)
# The 256-colour images blend background and glyph in this many steps.
PALETTE_STEPS = 16


def inside_square(x, y):
    """Rounded square filling the icon; x, y in [-1, 1]."""
    corner = 0.35
    qx = max(abs(x) - (1.0 - corner), 0.0)
    qy = max(abs(y) - (1.0 - corner), 0.0)
    return qx * qx + qy * qy <= corner * corner


def on_ring(x, y, cx, cy, radius, half_width):
    return abs(math.hypot(x - cx, y - cy) - radius) <= half_width


def inside_at(x, y):
    """The "@": a small ring, its stem curling down into a big open ring.
    y grows upwards here; the glyph is scaled to leave a margin."""
    x, y = x / 0.82, y / 0.82
    w = 0.11
    small_ring = on_ring(x, y, -0.06, 0.0, 0.30, w)
    stem = abs(x - 0.30) <= w and -0.12 <= y <= 0.38
    foot = on_ring(x, y, 0.55, -0.12, 0.25, w) and y <= -0.12
    angle = math.degrees(math.atan2(y, x))
    big_ring = on_ring(x, y, 0.0, 0.0, 0.80, w) and not (-48.0 < angle < -9.0)
    return small_ring or stem or foot or big_ring


def inside_cog(x, y):
    """A cog of eight teeth round a hole."""
    radius = math.hypot(x, y)
    angle = math.degrees(math.atan2(y, x)) % 45.0
    tooth = abs(angle - 22.5) <= 10.0
    outer = 0.74 if tooth else 0.56
    return 0.22 <= radius <= outer


def render(size, glyph_shape):
    """Rows top-down, each pixel (alpha, mix): the square's coverage and how
    much of the covered part is glyph."""
    rows = []
    for row in range(size):
        line = []
        for col in range(size):
            square = glyph = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = ((col + (sx + 0.5) / SAMPLES) / size) * 2.0 - 1.0
                    y = 1.0 - ((row + (sy + 0.5) / SAMPLES) / size) * 2.0
                    if inside_square(x, y):
                        square += 1
                        if glyph_shape(x, y):
                            glyph += 1
            alpha = square / (SAMPLES * SAMPLES)
            mix = glyph / square if square else 0.0
            line.append((alpha, mix))
        rows.append(line)
    return rows


def blend(background, mix):
    return tuple(round(b + (g - b) * mix) for b, g in zip(background, WHITE))


def and_mask(rows, transparent):
    """The AND mask, bottom-up, 1 where the screen shows through."""
    stride = ((len(rows) + 31) // 32) * 4
    mask = bytearray()
    for line in reversed(rows):
        bits = bytearray(stride)
        for col, px in enumerate(line):
            if transparent(px):
                bits[col // 8] |= 0x80 >> (col % 8)
        mask += bits
    return bytes(mask)


def dib32(size, shape, background):
    """BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
    rows = render(size, shape)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for line in reversed(rows):
        for alpha, mix in line:
            r, g, b = blend(background, mix)
            pixels += bytes((b, g, r, round(alpha * 255)))
    return header + bytes(pixels) + and_mask(rows, lambda px: px[0] == 0)


def dib8(size, shape, background):
    """BITMAPINFOHEADER, 256-entry palette, bottom-up index rows, AND mask.
    No alpha here: a pixel at least half covered by the square is opaque and
    takes the nearest of the blend steps; the rest is transparent (index 0)."""
    rows = render(size, shape)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = bytearray(b"\0\0\0\0")
    for step in range(PALETTE_STEPS + 1):
        r, g, b = blend(background, step / PALETTE_STEPS)
        palette += bytes((b, g, r, 0))
    palette += bytes(4 * (256 - PALETTE_STEPS - 2))
    stride = (size + 3) & ~3
    pixels = bytearray()
    for line in reversed(rows):
        indices = bytearray(stride)
        for col, (alpha, mix) in enumerate(line):
            if alpha >= 0.5:
                indices[col] = 1 + round(mix * PALETTE_STEPS)
        pixels += indices
    return header + bytes(palette) + bytes(pixels) + and_mask(rows, lambda px: px[0] < 0.5)


def write_ico(name, images):
    """images: (size, bits per pixel, DIB bytes), in the order to keep."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, image in images:
        colours = 0  # 0: 256 colours or more
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(image), offset)
        offset += len(image)
    out += b"".join(image for _, _, image in images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with open(path, "wb") as f:
        f.write(out)


def main():
    program_sizes = (16, 32, 48)
    write_ico("Vintra.ico",
              [(s, 8, dib8(s, inside_at, PROGRAM_BACKGROUND)) for s in program_sizes]
              + [(s, 32, dib32(s, inside_at, PROGRAM_BACKGROUND)) for s in program_sizes])
    write_ico("Settings.ico", [(s, 32, dib32(s, inside_cog, SETTINGS_BACKGROUND)) for s in (16, 32)])


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program icon, a white "@" on a blue rounded square, and writes
Vintra.ico beside this script with 16, 32 and 48 pixel images (32-bit BGRA).

The artwork is a handful of shapes measured in a unit square, sampled 4x4
per pixel so that the small sizes the tray shows stay smooth. Run it again
after changing a shape and commit both files; the build only reads the .ico.
"""
import math
import os
import struct

SIZES = (16, 32, 48)
SAMPLES = 4
BACKGROUND = (0x1E, 0x5A, 0xA8)  # RGB
GLYPH = (0xFF, 0xFF, 0xFF)


def inside_square(x, y):
    """Rounded square filling the icon; x, y in [-1, 1]."""
    corner = 0.35
    qx = max(abs(x) - (1.0 - corner), 0.0)
    qy = max(abs(y) - (1.0 - corner), 0.0)
    return qx * qx + qy * qy <= corner * corner


def on_ring(x, y, cx, cy, radius, half_width):
    return abs(math.hypot(x - cx, y - cy) - radius) <= half_width


def inside_glyph(x, y):
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


def render(size):
    """Rows top-down, each pixel (b, g, r, a)."""
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
                        if inside_glyph(x, y):
                            glyph += 1
            total = SAMPLES * SAMPLES
            alpha = square / total
            mix = glyph / square if square else 0.0
            rgb = [round(b + (g - b) * mix) for b, g in zip(BACKGROUND, GLYPH)]
            line.append((rgb[2], rgb[1], rgb[0], round(alpha * 255)))
        rows.append(line)
    return rows


def dib(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(c for px in line for c in px) for line in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for line in reversed(rows):
        bits = bytearray(mask_stride)
        for col, px in enumerate(line):
            if px[3] == 0:
                bits[col // 8] |= 0x80 >> (col % 8)
        mask += bits
    return header + pixels + bytes(mask)


def main():
    images = [dib(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Vintra.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
